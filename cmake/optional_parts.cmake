# The optional parts of the build and the tools each needs. A part whose tool is missing is left
# out with a warning that says which tool and what to do, so the rest still builds and tests.

# Leaves out an optional part for this configure run: VARIABLE is set off, WHY says what is missing.
function(quillon_leave_out variable part why)
  message(WARNING "${part} left out: ${why}.\n"
    "Install scripts/debian-packages.txt (bash scripts/dev.sh install), or configure with "
    "-D${variable}=OFF to leave it out on purpose.")
  set(${variable} OFF PARENT_SCOPE)
endfunction()

function(quillon_report_off variable part)
  if(NOT ${variable})
    message(STATUS "${part} off (${variable}=OFF)")
  endif()
endfunction()

if(QUILLON_HELP)
  find_program(QUILLON_CHMCMD chmcmd)
  find_program(QUILLON_CHMLS chmls)
  find_program(QUILLON_PYTHON3 python3)
  if(NOT QUILLON_CHMCMD OR NOT QUILLON_CHMLS)
    quillon_leave_out(QUILLON_HELP "The user manual Quillon.chm (and its test and the ZIP package)"
      "chmcmd or chmls was not found (package fp-utils)")
  elseif(NOT QUILLON_PYTHON3)
    quillon_leave_out(QUILLON_HELP "The user manual Quillon.chm (and its test and the ZIP package)"
      "python3 was not found (package python3)")
  endif()
else()
  quillon_report_off(QUILLON_HELP "The user manual Quillon.chm (and its test and the ZIP package)")
endif()

if(NOT WIN32)
  set(QUILLON_HELP_TESTS ${QUILLON_HELP})
  if(QUILLON_HELP)
    find_path(CHMLIB_INCLUDE_DIR chm_lib.h)
    find_library(CHMLIB_LIBRARY chm)
    if(NOT CHMLIB_INCLUDE_DIR OR NOT CHMLIB_LIBRARY)
      message(WARNING "The test of the manual's pages and topics left out: chm_lib.h or libchm "
        "was not found (package libchm-dev).")
      set(QUILLON_HELP_TESTS OFF)
    endif()
  endif()

  if(QUILLON_BENCHMARKS)
    find_package(benchmark QUIET)
    if(NOT benchmark_FOUND)
      quillon_leave_out(QUILLON_BENCHMARKS "The benchmarks in bench/"
        "Google Benchmark was not found (package libbenchmark-dev)")
    endif()
  else()
    quillon_report_off(QUILLON_BENCHMARKS "The benchmarks in bench/")
  endif()
endif()

if(WIN32)
  # The installer Quillon-<version>-setup.exe holds the manual, so it needs the help too.
  if(QUILLON_INSTALLER)
    find_program(QUILLON_MAKENSIS makensis)
    if(NOT QUILLON_MAKENSIS)
      quillon_leave_out(QUILLON_INSTALLER "The installer and the package manifests"
        "makensis was not found (package nsis)")
    elseif(NOT QUILLON_HELP)
      quillon_leave_out(QUILLON_INSTALLER "The installer and the package manifests"
        "the user manual it holds is off (QUILLON_HELP)")
    endif()
  else()
    quillon_report_off(QUILLON_INSTALLER "The installer and the package manifests")
  endif()

  # Wine runs the engine's tests built for Windows (win.) and, with Xvfb, the GUI tests.
  find_program(QUILLON_WINE_PROGRAM NAMES wine64 wine PATHS /usr/lib/wine NO_DEFAULT_PATH)
  find_program(QUILLON_WINE_PROGRAM NAMES wine wine64)
  find_program(QUILLON_WINESERVER wineserver)
  find_program(QUILLON_WINEBOOT wineboot)
  set(QUILLON_WINE ON)
  if(NOT QUILLON_WINE_PROGRAM OR NOT QUILLON_WINESERVER OR NOT QUILLON_WINEBOOT)
    set(QUILLON_WINE OFF)
    message(WARNING "The engine's tests on the Windows runtime (win.) left out: wine, wineserver "
      "or wineboot was not found (packages wine, wine64). quillon.exe is still built.")
  endif()

  if(QUILLON_GUI_TESTS)
    find_program(QUILLON_XVFB Xvfb)
    find_program(QUILLON_XWD xwd)
    find_program(QUILLON_CONVERT convert)
    if(NOT QUILLON_WINE)
      quillon_leave_out(QUILLON_GUI_TESTS "The GUI tests of quillon.exe"
        "Wine was not found (packages wine, wine64)")
    elseif(NOT QUILLON_XVFB OR NOT QUILLON_XWD OR NOT QUILLON_CONVERT)
      quillon_leave_out(QUILLON_GUI_TESTS "The GUI tests of quillon.exe"
        "Xvfb, xwd or convert was not found (packages xvfb, x11-apps, imagemagick)")
    endif()
  else()
    quillon_report_off(QUILLON_GUI_TESTS "The GUI tests of quillon.exe")
  endif()
endif()
