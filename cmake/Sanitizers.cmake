# AddressSanitizer + UndefinedBehaviorSanitizer for the whole build tree.
if(VANTOR_SANITIZE)
  set(VANTOR_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${VANTOR_SANITIZER_FLAGS})
  add_link_options(${VANTOR_SANITIZER_FLAGS})
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # GCC's flow analysis reports false "may be used uninitialized" warnings
    # inside the standard library once the sanitizers instrument it.
    add_compile_options(-Wno-maybe-uninitialized)
  endif()
endif()
