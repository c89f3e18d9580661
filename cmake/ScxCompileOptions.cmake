# Warnings and sanitizers for every target of the project, through one interface library.
add_library(scx_options INTERFACE)
target_compile_options(scx_options INTERFACE -Wall -Wextra)
if(SCX_WERROR)
  target_compile_options(scx_options INTERFACE -Werror)
endif()
# GCC 12 reports false overlaps and uninitialised uses inside libstdc++'s string and regex code
# once optimising (GCC bugs 105329, 105562); they would break -Werror builds for no fault of ours.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(scx_options INTERFACE -Wno-restrict -Wno-maybe-uninitialized)
endif()
target_include_directories(scx_options INTERFACE ${PROJECT_SOURCE_DIR})

if(SCX_SANITIZE)
  target_compile_options(scx_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                               -fno-sanitize-recover=undefined)
  target_link_options(scx_options INTERFACE -fsanitize=address,undefined)
endif()
if(SCX_TSAN)
  target_compile_options(scx_options INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
  target_link_options(scx_options INTERFACE -fsanitize=thread)
endif()
if(SCX_FUZZ)
  # Libraries get coverage instrumentation; the fuzz targets add the fuzzer's main themselves.
  target_compile_options(scx_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined)
  target_link_options(scx_options INTERFACE -fsanitize=address,undefined)
endif()
