# The browser build (DAB_WEB, configured with emcmake): dab.js, dab.wasm and dab.data beside index.html in
# DAB_WEB_SITE, a static site. dab.data holds the data files in /dab, the program's folder, and the fonts in
# /fonts.
set(DAB_WEB_SITE ${CMAKE_BINARY_DIR}/site CACHE PATH "Where the browser build puts its site")
set(DAB_WEB_FONTS /usr/share/fonts/truetype/liberation2 CACHE PATH "The Liberation fonts (fonts-liberation2)")
set(web ${PROJECT_SOURCE_DIR}/platform/backend/web)

# rc-embed runs at build time under node, CMake's emulator for this build, with the real file system.
add_executable(rc-embed ${PROJECT_SOURCE_DIR}/tools/rc-embed/rc-embed.cpp)
# Compiled at once from the file: the fetch of this emscripten takes no file paths in the node of today.
target_link_options(rc-embed PRIVATE -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=node -sWASM_ASYNC_COMPILATION=0)

add_library(dab_program OBJECT ${DAB_PROGRAM_SOURCES})
target_include_directories(dab_program PUBLIC ${PROJECT_SOURCE_DIR})
add_executable(dab $<TARGET_OBJECTS:dab_program>)
target_link_libraries(dab PRIVATE dab_platform_web)
dab_add_resources(dab ${PROJECT_SOURCE_DIR}/resources/dab.rc)

# The data files, gathered in one folder that the file packager takes whole.
set(data ${CMAKE_BINARY_DIR}/web-data)
dab_copy_data(dab ${data})
# The faces the program and the platform ask for: the text tool's bold Times New Roman, the message boxes'
# and stock fonts' Sans; regular Serif for any other weight. FreeType slants them for an italic.
set(fonts)
set(font_options)
foreach(name LiberationSerif-Regular LiberationSerif-Bold LiberationSans-Regular LiberationSans-Bold)
  list(APPEND fonts ${DAB_WEB_FONTS}/${name}.ttf)
  list(APPEND font_options "SHELL:--preload-file ${DAB_WEB_FONTS}/${name}.ttf@/fonts/${name}.ttf")
endforeach()

set(link_inputs ${web}/screen.js ${web}/canvas.js ${web}/input_wait.js ${web}/program_folder.js ${web}/storage.js
    ${web}/sdl_library_functions.json ${DAB_DATA_FILES} ${fonts})
set_target_properties(dab PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${DAB_WEB_SITE} LINK_DEPENDS "${link_inputs}")
# Asyncify lets the program's own message loop wait with emscripten_sleep, the browser running meanwhile;
# its stack holds the whole chain of calls down to that wait, modal loops included.
target_link_options(dab PRIVATE
  -sASYNCIFY=1 -sASYNCIFY_STACK_SIZE=262144 -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=67108864
  -sENVIRONMENT=web -sEXIT_RUNTIME=0
  # The emscripten functions SDL2's browser audio calls from its JavaScript, which the linker cannot see.
  -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${web}/sdl_library_functions.json
  "SHELL:--js-library ${web}/screen.js" "SHELL:--js-library ${web}/canvas.js"
  "SHELL:--js-library ${web}/input_wait.js" -sASYNCIFY_IMPORTS=dab_wait_for_input
  "SHELL:--pre-js ${web}/program_folder.js" "SHELL:--pre-js ${web}/storage.js"
  -lidbfs.js
  "SHELL:--preload-file ${data}@/dab" ${font_options})
# Printing through the browser's own dialog, and the grown-ups' download of the picture as a PNG.
target_link_options(dab PRIVATE "SHELL:--js-library ${web}/print.js" "SHELL:--pre-js ${web}/download.js")
set_property(TARGET dab APPEND PROPERTY LINK_DEPENDS ${web}/print.js ${web}/download.js)
include(${PROJECT_SOURCE_DIR}/cmake/web/tunes.cmake)

# The page, and what a browser needs to keep it on a home screen: its manifest and the menu's icon, the brush
# painting a red stroke, enlarged by whole pixels.
set(page_files)
foreach(name index.html manifest.webmanifest)
  add_custom_command(OUTPUT ${DAB_WEB_SITE}/${name}
                     COMMAND ${CMAKE_COMMAND} -E copy ${web}/${name} ${DAB_WEB_SITE}/${name}
                     DEPENDS ${web}/${name} VERBATIM)
  list(APPEND page_files ${DAB_WEB_SITE}/${name})
endforeach()
foreach(size 192 512)
  add_custom_command(OUTPUT ${DAB_WEB_SITE}/icon-${size}.png
                     COMMAND python3 ${PROJECT_SOURCE_DIR}/cmake/web/icon.py
                             ${PROJECT_SOURCE_DIR}/resources/icons/icon_138.ico ${size} ${DAB_WEB_SITE}/icon-${size}.png
                     DEPENDS ${PROJECT_SOURCE_DIR}/cmake/web/icon.py ${PROJECT_SOURCE_DIR}/resources/icons/icon_138.ico
                     VERBATIM)
  list(APPEND page_files ${DAB_WEB_SITE}/icon-${size}.png)
endforeach()
add_custom_target(dab-web-page ALL DEPENDS ${page_files})

# The service worker last, once every other file of the site is there: it lists them all.
add_custom_target(dab-web-offline ALL
                  COMMAND ${CMAKE_COMMAND} -DSITE=${DAB_WEB_SITE} -DTEMPLATE=${web}/service_worker.js
                          -P ${PROJECT_SOURCE_DIR}/cmake/web/service_worker.cmake
                  VERBATIM)
add_dependencies(dab-web-offline dab dab-web-page)
