option(VK_WERROR "Treat compiler warnings as errors (the test build sets it)" OFF)

# Warnings every target of the project compiles with. Qt's headers come in through its
# imported targets, whose include folders CMake passes as -isystem, so they stay quiet.
function(vk_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wnon-virtual-dtor
                           -Wold-style-cast -Wconversion)
    # Only the test build fails on a warning: a newer compiler on a user's machine may warn
    # about code that is sound, and that must not stop the release build there.
    if(VK_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    # Plain ASCII literals must not silently become user-visible text: every such text goes
    # through tr() (where lupdate finds it), QStringLiteral or QLatin1String.
    target_compile_definitions(${target} PRIVATE QT_USE_QSTRINGBUILDER QT_NO_CAST_TO_ASCII
                               QT_NO_CAST_FROM_ASCII QT_NO_FOREACH
                               QT_DISABLE_DEPRECATED_BEFORE=0x050F00)
endfunction()

# A static library for one subsystem folder. PRIVATE_LIBS are linked into the
# program but their headers stay out of the folders that use the library.
#   vk_add_library(name SOURCES ... LIBS ... [PRIVATE_LIBS ...])
function(vk_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;PRIVATE_LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
    vk_warnings(${name})
endfunction()

# One QtTest executable registered with CTest, run headless.
#   vk_add_qt_test(name SOURCES ... LIBS ...)
function(vk_add_qt_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt5::Test vk_testsupport ${ARG_LIBS})
    vk_warnings(${name})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        TIMEOUT 300
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${VK_TEST_RUNTIME_DIR};LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp;ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1;LANG=C.UTF-8;TZ=UTC")
endfunction()
