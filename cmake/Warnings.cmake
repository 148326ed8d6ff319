# Warnings are errors in every build: the tree stays clean at -Wall -Wextra.
add_compile_options(-Wall -Wextra -Werror)
