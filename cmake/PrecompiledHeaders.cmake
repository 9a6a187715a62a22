# Precompiled headers: the standard, Qt and test headers most files include,
# compiled once for each layer in a build folder and reused by every target
# of that layer whose compile options agree with the owner's.
#
#   kelvane_core   std + Qt Core/Gui          reused by the core benchmarks
#   kelvane_ui     the above + Qt Widgets     reused by the program and the window benchmarks
#   core_tests     core set + GoogleTest
#   ui_tests       ui set + GoogleTest + Qt Test
#
# The core set holds no widget header: a core file that used a widget would
# still fail to compile. The test programs own their headers because GoogleTest
# and Qt Test are theirs alone (Qt Test reads which Qt libraries the target
# links, so its precompiled form is only valid with the test program's
# definitions). kelvane_test_support has a definition of its own and one file:
# it compiles without. GCC refuses a precompiled header made with other
# options, and -Winvalid-pch with -Werror turns that into a failed build.

option(KELVANE_PCH "Compile with precompiled headers" ON)

set(KELVANE_PCH_CORE
    <algorithm> <array> <cmath> <cstdint> <functional> <list> <map> <memory>
    <numeric> <optional> <string> <utility> <variant> <vector>
    <QColor> <QDate> <QFont> <QFontMetricsF> <QImage> <QLocale> <QMarginsF>
    <QPointF> <QRectF> <QSizeF> <QString> <QStringList> <QStringView>)

set(KELVANE_PCH_UI ${KELVANE_PCH_CORE}
    <QAction> <QCheckBox> <QCloseEvent> <QGroupBox> <QLabel> <QLineEdit> <QList>
    <QMargins> <QMenu> <QObject> <QPointer> <QPushButton> <QRadioButton> <QRect>
    <QSize> <QTransform> <QWidget>)

set(KELVANE_PCH_CORE_TESTS ${KELVANE_PCH_CORE} <gtest/gtest.h>)

set(KELVANE_PCH_UI_TESTS ${KELVANE_PCH_UI} <gtest/gtest.h>
    <QApplication> <QCoreApplication> <QElapsedTimer> <QEvent> <QTest> <QTimer>)

# kelvane_precompile(<target> HEADERS <header>...) or kelvane_precompile(<target> REUSE_FROM <owner>)
function(kelvane_precompile target mode)
  if(NOT KELVANE_PCH)
    return()
  endif()
  if(mode STREQUAL "REUSE_FROM")
    target_precompile_headers(${target} REUSE_FROM ${ARGN})
  else()
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
endfunction()
