# Installs a build into an emptied prefix.
#   cmake -DBUILD_DIR=<build> -DPREFIX=<folder> -P InstallFresh.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                COMMAND_ERROR_IS_FATAL ANY)
