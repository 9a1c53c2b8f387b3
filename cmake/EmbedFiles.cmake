# lumora_embed_files(<target> <generated.cpp> SYMBOL file SYMBOL file ...)
# Adds a generated source to <target> that exposes every file's bytes, unchanged,
# through `std::string_view lumora::resources::SYMBOL()`.
function(lumora_embed_files target output)
  set(entries "")
  set(files "")
  set(args ${ARGN})
  while(args)
    list(POP_FRONT args symbol file)
    get_filename_component(file "${file}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    list(APPEND entries "${symbol}=${file}")
    list(APPEND files "${file}")
  endwhile()
  list(JOIN entries "|" joined)
  add_custom_command(
    OUTPUT "${output}"
    COMMAND "${CMAKE_COMMAND}" "-DOUTPUT=${output}" "-DENTRIES=${joined}"
            -P "${PROJECT_SOURCE_DIR}/cmake/EmbedBytes.cmake"
    DEPENDS ${files} "${PROJECT_SOURCE_DIR}/cmake/EmbedBytes.cmake"
    COMMENT "Embedding ${target} resources"
    VERBATIM)
  target_sources(${target} PRIVATE "${output}")
endfunction()
