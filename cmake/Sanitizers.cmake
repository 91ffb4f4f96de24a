# AddressSanitizer + UndefinedBehaviorSanitizer for the whole build tree.
if(VANTOR_SANITIZE)
  set(VANTOR_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${VANTOR_SANITIZER_FLAGS})
  add_link_options(${VANTOR_SANITIZER_FLAGS})
endif()
