# The program, and its tests, which run under Wine when cross-compiled.

if(MINGW)
    # C99 printf everywhere, and no runtime DLLs beside the program.
    add_compile_definitions(__USE_MINGW_ANSI_STDIO=1)
    add_compile_options(-Wall -Wextra)
    add_link_options(-static -static-libgcc -static-libstdc++)
endif()
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)

# Everything but the entry point and the application object, so that tests can
# run the real dialogs with an application object of their own.
add_library(kestrup_core STATIC
    ${PORTABLE_SOURCES}
    framework/CodePage_win.cpp
    framework/CDialog.cpp
    framework/CFile.cpp
    framework/CTime.cpp
    framework/CWinApp.cpp
    framework/CWnd.cpp
    framework/MessageBox.cpp
    app/UpdateApp.cpp
    ui/AboutDlg.cpp
    ui/BuildStamp.cpp
    ui/UpdateDlg.cpp
    update/UpdateNow.cpp
    update/SafeInstall.cpp
    run/AutomatedRun.cpp
    run/Launcher.cpp
    run/ExecuteInfo.cpp
)
target_include_directories(kestrup_core PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(kestrup_core PUBLIC comctl32 shell32 user32 gdi32 kernel32)

# The resources, as an object library so tests link the same templates.
add_library(kestrup_resources OBJECT res/Kestrup2.rc)
set_source_files_properties(res/Kestrup2.rc PROPERTIES
    OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/res/kestrup.ico;${CMAKE_SOURCE_DIR}/res/update.ico;${CMAKE_SOURCE_DIR}/res/update.avi;${CMAKE_SOURCE_DIR}/res/resource.h")
target_include_directories(kestrup_resources PRIVATE ${CMAKE_SOURCE_DIR}/res)

add_executable(Kestrup2 WIN32 framework/WinMain.cpp app/TheApp.cpp)
target_link_libraries(Kestrup2 PRIVATE kestrup_core kestrup_resources)

add_subdirectory(tools/standin)

if(CMAKE_CROSSCOMPILING)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tools/wine-run)
endif()
include(CTest)
if(BUILD_TESTING)
    add_subdirectory(tests/win)
    add_subdirectory(tools/driver) # the README's pictures: make screenshots
    add_subdirectory(tools/bench) # make bench
endif()
