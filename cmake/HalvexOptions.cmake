# One INTERFACE target carries the compile options every Halvex target shares.
add_library(halvex_options INTERFACE)

if(MSVC)
  target_compile_options(halvex_options INTERFACE /W4 /permissive- /utf-8)
  if(HALVEX_WERROR)
    target_compile_options(halvex_options INTERFACE /WX)
  endif()
else()
  target_compile_options(halvex_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    -Wcast-align -Woverloaded-virtual -Wconversion -Wsign-conversion
    -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough)
  if(HALVEX_WERROR)
    target_compile_options(halvex_options INTERFACE -Werror)
  endif()
  if(HALVEX_SANITIZE)
    target_compile_options(halvex_options INTERFACE
      -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(halvex_options INTERFACE -fsanitize=address,undefined)
  elseif(NOT WIN32)
    # As Debian builds its own programs: size-checked string and memory calls where the
    # compiler knows the size (it needs optimisation), a guarded stack, and a table of
    # addresses made read-only once the program is loaded.
    target_compile_options(halvex_options INTERFACE
      -fstack-protector-strong $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
    target_link_options(halvex_options INTERFACE -Wl,-z,relro -Wl,-z,now)
  endif()
endif()
