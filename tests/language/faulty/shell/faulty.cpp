// Texts the sources show, for the check of the faulty tree.
const char* Shown() {
    return Words("Saved to %1.");
}
const char* Unlisted() {
    return Words("Not in the template");
}
