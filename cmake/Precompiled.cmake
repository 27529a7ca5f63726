# Precompiled Qt headers. Parsing the Qt headers is most of what compiling one of our files
# costs, and a first build compiles every file, so the libraries share two precompiled headers
# rather than each building its own (one costs about as much as compiling five files):
#   halvane_precompile_qt(<target> [WIDGETS])
# Without WIDGETS the Qt Core one, which every Qt target can use; with it the Qt Widgets and
# D-Bus one, for targets that link both (every platform service does). GCC uses a precompiled
# header only under the same macros it was made with, so each is made under the fewest: a
# target that uses one may define more, never fewer (-Winvalid-pch, which CMake adds, says so).
option(HALVANE_PCH "Share precompiled Qt headers among the libraries" ON)

# ccache caches a compilation that uses a precompiled header only when allowed to trust the
# header's macros and time stamps; other compilations are cached as before.
if(HALVANE_PCH AND CMAKE_CXX_COMPILER_LAUNCHER MATCHES "ccache$")
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env
      CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
      ${CMAKE_CXX_COMPILER_LAUNCHER})
endif()

if(HALVANE_PCH)
  set(core_headers
    <memory> <functional> <optional> <vector>
    <QObject> <QString> <QStringList> <QByteArray> <QList> <QHash> <QMap> <QVariant> <QTimer>
    <QFile> <QFileInfo> <QDir>)
  add_library(halvane_pch_core STATIC ${CMAKE_CURRENT_LIST_DIR}/pch/empty.cpp)
  target_link_libraries(halvane_pch_core PRIVATE Qt6::Core)
  target_precompile_headers(halvane_pch_core PRIVATE ${core_headers})

  add_library(halvane_pch_widgets STATIC ${CMAKE_CURRENT_LIST_DIR}/pch/empty.cpp)
  target_link_libraries(halvane_pch_widgets PRIVATE Qt6::Widgets Qt6::DBus)
  target_precompile_headers(halvane_pch_widgets PRIVATE ${core_headers}
    <QWidget> <QLabel> <QComboBox> <QAbstractButton> <QMenu> <QPainter> <QIcon>
    <QDBusConnection> <QDBusMessage>)
endif()

function(halvane_precompile_qt target)
  if(NOT HALVANE_PCH)
    return()
  endif()
  cmake_parse_arguments(P "WIDGETS" "" "" ${ARGN})
  if(P_WIDGETS)
    target_precompile_headers(${target} REUSE_FROM halvane_pch_widgets)
  else()
    target_precompile_headers(${target} REUSE_FROM halvane_pch_core)
  endif()
  # The headers are made position-independent (-fPIC), as the libraries are compiled; an
  # executable (-fPIE) must be compiled the same way or GCC 14 refuses the header. Qt before 6.5
  # asked every target for -fPIC itself.
  get_target_property(type ${target} TYPE)
  get_target_property(qt_options Qt6::Core INTERFACE_COMPILE_OPTIONS)
  if(type STREQUAL "EXECUTABLE" AND NOT "-fPIC" IN_LIST qt_options)
    target_compile_options(${target} PRIVATE -fPIC)
  endif()
  # The headers are C++: a target's C files (generated protocol code, added later) go without.
  # (A deferred call reads its arguments when it runs: the name is put in now.)
  cmake_language(EVAL CODE "cmake_language(DEFER CALL _halvane_pch_skip_c [[${target}]])")
endfunction()

function(_halvane_pch_skip_c target)
  get_target_property(sources ${target} SOURCES)
  list(FILTER sources INCLUDE REGEX "\\.c$")
  if(sources)
    set_source_files_properties(${sources} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
  endif()
endfunction()
