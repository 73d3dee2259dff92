# The tunes as Ogg Vorbis recordings beside their MIDI files in the program's folder, since SDL_mixer has no
# MIDI in the browser (platform/backend/web/tunes.cpp): tools/render-tune.sh plays each with FluidSynth and
# the desktop's soundfont. Included from web.cmake once dab is defined.
set(DAB_TUNE_SOUNDFONT /usr/share/sounds/sf2/TimGM6mb.sf2 CACHE FILEPATH
    "The General MIDI soundfont the desktop plays the tunes with (timgm6mb-soundfont)")
set(render ${PROJECT_SOURCE_DIR}/tools/render-tune.sh)
file(GLOB tunes CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/*.mid)
set(recordings)
foreach(tune ${tunes})
  get_filename_component(name ${tune} NAME_WE)
  add_custom_command(OUTPUT ${data}/${name}.ogg
                     COMMAND ${render} ${DAB_TUNE_SOUNDFONT} ${tune} ${data}/${name}.ogg
                     DEPENDS ${render} ${tune} ${DAB_TUNE_SOUNDFONT}
                     COMMENT "Recording ${name}.mid for the browser" VERBATIM)
  list(APPEND recordings ${data}/${name}.ogg)
endforeach()
add_custom_target(dab-tunes DEPENDS ${recordings})
add_dependencies(dab dab-tunes)
# The file packager reads the folder when dab links: a new recording links it again.
set_property(TARGET dab APPEND PROPERTY LINK_DEPENDS ${recordings})
