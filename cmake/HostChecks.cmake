# Host build of the portable logic: unit tests under the sanitizers, and a
# fuzz target when the compiler is clang.

add_compile_options(-Wall -Wextra -fsanitize=address,undefined -fno-sanitize-recover=all
                    -fno-omit-frame-pointer -g)
add_link_options(-fsanitize=address,undefined)

add_library(kestrup_portable STATIC ${PORTABLE_SOURCES} framework/CodePage_host.cpp)
target_include_directories(kestrup_portable PUBLIC ${CMAKE_SOURCE_DIR})

include(CTest)
if(BUILD_TESTING)
    add_subdirectory(tests/host)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        add_subdirectory(tests/fuzz)
    endif()
endif()
