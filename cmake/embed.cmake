# Embeds files byte for byte into the executable's read-only data. For each NAME FILE pair the
# generated assembly defines the C symbols NAME (first byte) and NAMEEnd (one past the last).
function(nelvar_embed_files target asm_file)
  # 32-bit Windows decorates C names with a leading underscore; 64-bit does not.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(c "_")
  else()
    set(c "")
  endif()
  set(body "")
  set(files "")
  list(LENGTH ARGN count)
  math(EXPR last "${count} - 1")
  foreach(i RANGE 0 ${last} 2)
    math(EXPR j "${i} + 1")
    list(GET ARGN ${i} name)
    list(GET ARGN ${j} file)
    list(APPEND files "${file}")
    string(APPEND body
      "    .p2align 4\n"
      "    .globl ${c}${name}\n"
      "${c}${name}:\n"
      "    .incbin \"${file}\"\n"
      "    .globl ${c}${name}End\n"
      "${c}${name}End:\n"
      "    .byte 0\n")
  endforeach()
  file(GENERATE OUTPUT "${asm_file}" CONTENT "    .section .rdata,\"dr\"\n${body}")
  target_sources(${target} PRIVATE "${asm_file}")
  set_source_files_properties("${asm_file}" PROPERTIES LANGUAGE ASM GENERATED TRUE OBJECT_DEPENDS "${files}")
endfunction()
