# Build settings shared by every target of the project. Link against
# orderform_build_settings to pick them up.

option(ORDERFORM_WARNINGS_AS_ERRORS "Treat compiler warnings as errors"
       "$ENV{CI}")

add_library(orderform_build_settings INTERFACE)
target_compile_features(orderform_build_settings INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(orderform_build_settings INTERFACE -Wall -Wextra -Wpedantic)
if(ORDERFORM_WARNINGS_AS_ERRORS)
    target_compile_options(orderform_build_settings INTERFACE -Werror)
endif()
target_compile_definitions(orderform_build_settings INTERFACE
    QT_NO_CONTEXTLESS_CONNECT
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)

# AddressSanitizer and UndefinedBehaviorSanitizer for the whole build; any
# finding stops the program, so a test that triggers one fails.
option(ORDERFORM_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(ORDERFORM_SANITIZE)
    set(sanitizer_flags -fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    target_compile_options(orderform_build_settings INTERFACE ${sanitizer_flags})
    target_link_options(orderform_build_settings INTERFACE ${sanitizer_flags})
endif()
