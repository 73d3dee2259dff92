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

# The data files and fonts, gathered so that the file packager takes each folder whole.
set(data ${CMAKE_BINARY_DIR}/web-data)
file(GLOB font_files CONFIGURE_DEPENDS ${DAB_WEB_FONTS}/*.ttf)
set(font_copies)
foreach(file ${font_files})
  get_filename_component(name ${file} NAME)
  add_custom_command(OUTPUT ${data}/fonts/${name} COMMAND ${CMAKE_COMMAND} -E copy ${file} ${data}/fonts/${name}
                     DEPENDS ${file} VERBATIM)
  list(APPEND font_copies ${data}/fonts/${name})
endforeach()

add_library(dab_program OBJECT ${DAB_PROGRAM_SOURCES})
target_include_directories(dab_program PUBLIC ${PROJECT_SOURCE_DIR})
add_custom_target(dab-fonts DEPENDS ${font_copies})
add_executable(dab $<TARGET_OBJECTS:dab_program>)
dab_copy_data(dab ${data}/dab)
add_dependencies(dab dab-fonts)
target_link_libraries(dab PRIVATE dab_platform_web)
set_target_properties(dab PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${DAB_WEB_SITE}
                      LINK_DEPENDS "${web}/screen.js;${web}/program_path.js")
dab_add_resources(dab ${PROJECT_SOURCE_DIR}/resources/dab.rc)
# Asyncify lets the program's own message loop wait with emscripten_sleep, the browser running meanwhile;
# its stack holds the whole chain of calls down to that wait, modal loops included.
target_link_options(dab PRIVATE
  -sASYNCIFY=1 -sASYNCIFY_STACK_SIZE=262144 -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=67108864
  -sENVIRONMENT=web -sEXIT_RUNTIME=0
  # The emscripten functions SDL2's browser audio calls from its JavaScript, which the linker cannot see.
  -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${web}/sdl_library_functions.json
  "SHELL:--js-library ${web}/screen.js" "SHELL:--pre-js ${web}/program_path.js"
  "SHELL:--preload-file ${data}/dab@/dab" "SHELL:--preload-file ${data}/fonts@/fonts")

add_custom_command(OUTPUT ${DAB_WEB_SITE}/index.html
                   COMMAND ${CMAKE_COMMAND} -E copy ${web}/index.html ${DAB_WEB_SITE}/index.html
                   DEPENDS ${web}/index.html VERBATIM)
add_custom_target(dab-web-page ALL DEPENDS ${DAB_WEB_SITE}/index.html)
