# Sanitizer build options (AddressSanitizer, UndefinedBehaviorSanitizer).
#
# With OMBRANA_SANITIZE=ON every target is built and linked with ASan and
# UBSan (LeakSanitizer comes with ASan on Linux). Any undefined behaviour
# stops the program instead of being reported and skipped, so a test run
# under this build fails on the first finding.
option(OMBRANA_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(OMBRANA_SANITIZE)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    message(FATAL_ERROR "OMBRANA_SANITIZE needs GCC or Clang")
  endif()
  set(OMBRANA_SANITIZER_FLAGS
      -fsanitize=address,undefined
      -fno-omit-frame-pointer
      -fno-sanitize-recover=all)
  add_compile_options(${OMBRANA_SANITIZER_FLAGS})
  add_link_options(-fsanitize=address,undefined)
endif()
