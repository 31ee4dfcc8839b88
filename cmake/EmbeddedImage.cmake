# Pictures compiled in as pixels: the program shows them without reading a
# file or loading an image plug-in.
#
# ombrana_embed_image(<target> <image file> <name>)
#   Decodes the image at build time and adds to <target> a source defining
#   ombrana::pictures::<name> (app/Pictures.h).
function(ombrana_embed_image target image name)
  if(NOT TARGET embed_image)
    add_executable(embed_image ${PROJECT_SOURCE_DIR}/cmake/EmbedImage.cpp)
    target_link_libraries(embed_image PRIVATE Qt6::Gui)
    set_target_properties(embed_image PROPERTIES AUTOMOC OFF)
  endif()
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${name}_pixels.cpp)
  add_custom_command(OUTPUT ${out}
    COMMAND embed_image ${image} ${out} ${name}
    DEPENDS embed_image ${image}
    COMMENT "Pixels of ${image}"
    VERBATIM)
  target_sources(${target} PRIVATE ${out})
endfunction()
