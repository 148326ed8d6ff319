# The native build holds the Win32-free core and runs its tests under
# AddressSanitizer and UndefinedBehaviorSanitizer.
option(VDK_SANITIZE "Build the native core with ASan and UBSan" ON)
if(VDK_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()
