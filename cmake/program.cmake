# The program's sources: the base every subsystem shares, then one folder a subsystem, compiled once and
# linked twice, on SDL2 as dab and on the headless backend for the program tests.
file(GLOB DAB_PROGRAM_SOURCES CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/base/*.cpp ${PROJECT_SOURCE_DIR}/dib/*.cpp ${PROJECT_SOURCE_DIR}/shell/*.cpp
  ${PROJECT_SOURCE_DIR}/canvas/*.cpp ${PROJECT_SOURCE_DIR}/draw/*.cpp ${PROJECT_SOURCE_DIR}/options/*.cpp
  ${PROJECT_SOURCE_DIR}/effects/*.cpp ${PROJECT_SOURCE_DIR}/files/*.cpp)
file(GLOB DAB_DATA_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/*)

# dab_copy_data(TARGET FOLDER): the data files beside the program, since it opens them by bare name in its
# own folder.
function(dab_copy_data target folder)
  set(copies)
  foreach(file ${DAB_DATA_FILES})
    get_filename_component(name ${file} NAME)
    add_custom_command(OUTPUT ${folder}/${name}
                       COMMAND ${CMAKE_COMMAND} -E copy ${file} ${folder}/${name}
                       DEPENDS ${file} VERBATIM)
    list(APPEND copies ${folder}/${name})
  endforeach()
  add_custom_target(${target}-data DEPENDS ${copies})
  add_dependencies(${target} ${target}-data)
endfunction()

# dab_add_windows_program(TRIPLE): dab32.exe with that MinGW compiler against the real system libraries,
# its resources compiled by windres; in windows-TRIPLE/ of the build.
function(dab_add_windows_program triple)
  find_program(cxx_${triple} ${triple}-g++)
  find_program(windres_${triple} ${triple}-windres)
  if(NOT cxx_${triple} OR NOT windres_${triple})
    return()
  endif()
  set(folder ${CMAKE_BINARY_DIR}/windows-${triple})
  set(flags -std=c++20 -O2 -Wall -Wextra)
  if(DAB_WERROR)
    list(APPEND flags -Werror)
  endif()
  file(GLOB resource_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/*/*)
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/base/*.h ${PROJECT_SOURCE_DIR}/dib/*.h
       ${PROJECT_SOURCE_DIR}/shell/*.h
       ${PROJECT_SOURCE_DIR}/canvas/*.h ${PROJECT_SOURCE_DIR}/draw/*.h ${PROJECT_SOURCE_DIR}/options/*.h
       ${PROJECT_SOURCE_DIR}/effects/*.h ${PROJECT_SOURCE_DIR}/files/*.h)
  add_custom_command(
    OUTPUT ${folder}/dab32.exe
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${windres_${triple}} ${PROJECT_SOURCE_DIR}/resources/dab.rc -O coff -o ${folder}/dab.res
    COMMAND ${cxx_${triple}} ${flags} -I${PROJECT_SOURCE_DIR} ${DAB_PROGRAM_SOURCES} ${folder}/dab.res
            -o ${folder}/dab32.exe -mwindows -static -static-libgcc -static-libstdc++ -lgdi32 -lwinmm -lshell32
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}/resources
    DEPENDS ${DAB_PROGRAM_SOURCES} ${headers} ${resource_files} ${PROJECT_SOURCE_DIR}/resources/dab.rc
    COMMENT "Building dab32.exe for Windows with ${triple}"
    VERBATIM)
  add_custom_target(dab-windows-${triple} ALL DEPENDS ${folder}/dab32.exe)
endfunction()
