# The layering test: every #include of the tree against the table of docs/architecture.md, and
# the same check shown to refuse a tree that breaks the table.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
set(QUILLON_LAYERS ${PROJECT_SOURCE_DIR}/tests/layering)
add_test(NAME layering.includes
  COMMAND Python3::Interpreter ${QUILLON_LAYERS}/check_layers.py ${PROJECT_SOURCE_DIR})
add_test(NAME layering.forbidden_includes_refused
  COMMAND Python3::Interpreter ${QUILLON_LAYERS}/check_layers.py ${QUILLON_LAYERS}/forbidden
          ${PROJECT_SOURCE_DIR}/docs/architecture.md)
set_tests_properties(layering.forbidden_includes_refused PROPERTIES PASS_REGULAR_EXPRESSION
  "controls/uses_windows.cpp:2: includes <windows.h>.*decimal/reaches_up.h:4: includes \"calculator/calc_context.h\".*2 forbidden includes")

# The language files against the program's English texts: complete, placeholders and access
# keys kept, no access key twice in one menu or dialog.
add_test(NAME language.po_files
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tests/language/check_po.py ${PROJECT_SOURCE_DIR})
add_test(NAME language.po_faults_refused
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tests/language/check_po.py
          ${PROJECT_SOURCE_DIR}/tests/language/faulty)
set_tests_properties(language.po_faults_refused PROPERTIES PASS_REGULAR_EXPRESSION
  "missing 'Not in the template'.*'Shown nowhere' is shown nowhere.*access key of 'File'.*shortcut of '&Open CTRL\\+O'.*placeholders differ in 'Saved.'.*no translation of 'Shown nowhere'.*share the access key 'o'")
