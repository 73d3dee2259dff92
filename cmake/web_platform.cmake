# dab_platform_web: the layer in the browser, included by platform/CMakeLists.txt. The SDL backend runs on
# SDL2's browser video and audio; what the page has no library for (fontconfig, CUPS) comes from
# platform/backend/web/ instead. The libraries are the ones ./dev web built with emcc, found by their CMake
# packages in CMAKE_FIND_ROOT_PATH: pkg-config would find the machine's own.
if(NOT EMSCRIPTEN)
  message(FATAL_ERROR "The browser build (DAB_WEB) is configured with emcmake: ./dev web")
endif()
find_package(SDL2 CONFIG REQUIRED)
find_package(SDL2_mixer CONFIG REQUIRED)
find_package(freetype CONFIG REQUIRED)

# The font finder and the printer's parts that ask fontconfig and CUPS; PNG pages only go to CUPS.
list(FILTER PLATFORM_SOURCES EXCLUDE REGEX
     "/(gdi/font_match|kernel/default_printer|print/cups_destination|print/cups_page|print/png)\\.cpp$")
file(GLOB SDL_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/backend/sdl/*.cpp)
list(FILTER SDL_SOURCES EXCLUDE REGEX "/backend/sdl/(print|window_update|event_wait|tunes)\.cpp$")
file(GLOB WEB_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/backend/web/*.cpp)

add_library(dab_platform_web STATIC ${PLATFORM_SOURCES} ${SDL_SOURCES} ${WEB_SOURCES})
target_include_directories(dab_platform_web PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(dab_platform_web PUBLIC freetype SDL2::SDL2-static SDL2_mixer::SDL2_mixer-static)
target_compile_options(dab_platform_web PRIVATE -O3)
# The Linux calls emscripten's C library lacks (statx, renameat2), declared for every source of the layer.
target_compile_options(dab_platform_web PRIVATE -include ${CMAKE_CURRENT_SOURCE_DIR}/backend/web/linux_calls.h)
