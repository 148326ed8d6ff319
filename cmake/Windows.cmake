# i686 Windows: static runtime so the programs run beside nothing but their
# data folder, Unicode Win32 APIs, and Windows XP-era targets kept reachable.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)
