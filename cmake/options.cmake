# Compile options shared by every target of both builds.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
add_compile_options(-Wall -Wextra -Wno-unused-parameter)

option(VELMARIND_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(VELMARIND_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# The Linux builds check every index into the standard library's containers and strings: a read
# past the end stops the test that makes it, where it would otherwise pass by chance.
if(NOT CMAKE_CROSSCOMPILING)
  add_compile_definitions(_GLIBCXX_ASSERTIONS)
endif()
