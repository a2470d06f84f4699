// Help topics that Quillon opens with "HH -mapid N Quillon.chm".
#define IDH_CUSTOMIZE_VIEW 1
#define IDH_CUSTOMIZE_TOTAL 2
