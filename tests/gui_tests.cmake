# GUI tests open the real windows and dialogs on the offscreen platform.
file(GLOB TOLVEX_GUI_TEST_SOURCES CONFIGURE_DEPENDS
    app/*.cpp editors/*.cpp map/*.cpp gui_support/*.cpp)
foreach(f ${TOLVEX_GUI_TEST_SOURCES})
    if(f MATCHES "(Layout|MapDrawing|RoomCommands)[^/]*\\.cpp$")
        list(REMOVE_ITEM TOLVEX_GUI_TEST_SOURCES ${f})
    endif()
endforeach()
if(TOLVEX_GUI_TEST_SOURCES)
    find_package(Qt6 REQUIRED COMPONENTS Test)
    add_executable(tolvex_gui_tests ${TOLVEX_GUI_TEST_SOURCES})
    target_include_directories(tolvex_gui_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(tolvex_gui_tests PRIVATE ${TOLVEX_TEST_DEFINES})
    target_link_libraries(tolvex_gui_tests PRIVATE tolvex_gui Qt6::Test GTest::gtest)
    gtest_discover_tests(tolvex_gui_tests
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
        DISCOVERY_TIMEOUT 60)
endif()
