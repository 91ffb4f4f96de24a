# Warning flags shared by every target of the project.
add_library(vantor_warnings INTERFACE)
target_compile_options(vantor_warnings INTERFACE -Wall -Wextra)
if(VANTOR_WERROR)
  target_compile_options(vantor_warnings INTERFACE -Werror)
endif()
