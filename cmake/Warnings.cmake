# Warnings are errors in every build: the tree stays clean at -Wall -Wextra.
add_compile_options(-Wall -Wextra -Werror)
# GCC 12 reports overlapping copies inside its own std::string code when
# inlining at -O3 (a false positive in the library's headers, not in ours).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  add_compile_options(-Wno-restrict)
endif()
