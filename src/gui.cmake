# The editor: a Qt library holding every window and dialog, and a small main().
find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport Multimedia Svg)
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)

file(GLOB TOLVEX_GUI_SOURCES CONFIGURE_DEPENDS
    map/*.cpp map/*.h editors/*.cpp editors/*.h app/*.cpp app/*.h)
foreach(f ${TOLVEX_CORE_MAP_FILES} app/main.cpp)
    list(REMOVE_ITEM TOLVEX_GUI_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/${f})
endforeach()
set(TOLVEX_QRC ${PROJECT_SOURCE_DIR}/res/tolvex.qrc)
if(NOT EXISTS ${TOLVEX_QRC})
    set(TOLVEX_QRC)
endif()

add_library(tolvex_gui STATIC ${TOLVEX_GUI_SOURCES} ${TOLVEX_QRC})
target_include_directories(tolvex_gui PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_definitions(tolvex_gui PUBLIC QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII
    QT_NO_SIGNALS_SLOTS_KEYWORDS
    TOLVEX_VERSION="${PROJECT_VERSION}")
target_link_libraries(tolvex_gui PUBLIC tolvex_core
    Qt6::Widgets Qt6::PrintSupport Qt6::Multimedia Qt6::Svg)

if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/app/main.cpp)
    add_executable(tolvex app/main.cpp)
    target_link_libraries(tolvex PRIVATE tolvex_gui)
    install(TARGETS tolvex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# Desktop integration: the launcher, the ".are" file type and the icon.
install(FILES ${PROJECT_SOURCE_DIR}/res/tolvex.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/res/tolvex-mime.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME tolvex.xml)
install(FILES ${PROJECT_SOURCE_DIR}/res/icons/tolvex.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
