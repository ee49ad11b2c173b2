# Profile feedback for the simulator. A round's time goes to branches that
# depend on the cards; GCC lays them out and inlines far better when it knows
# how often each way is taken. So an optimised GCC build first builds an
# instrumented simulator in a build of its own (<build>/sim-profile), plays a
# few hundred thousand rounds with it, and compiles the simulator from that
# profile. Both builds name their objects alike relative to their build
# folder, which -fprofile-prefix-path makes the profile's key.
#
# TAVEXO_SIM_PROFILE: "use" (the default for GCC optimised builds), "off",
# or "generate" (set by the training build for itself).

set(_tavexo_profile_default off)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug"
   AND NOT TAVEXO_SANITIZE)
    set(_tavexo_profile_default use)
endif()
set(TAVEXO_SIM_PROFILE ${_tavexo_profile_default} CACHE STRING
    "Profile feedback for tavexo-sim: use, generate or off")
set_property(CACHE TAVEXO_SIM_PROFILE PROPERTY STRINGS use generate off)
set(TAVEXO_SIM_PROFILE_DIR ${CMAKE_BINARY_DIR}/sim-profile-data CACHE PATH
    "Where the training run writes the simulator's profile")

# The targets whose code the profile covers.
function(tavexo_sim_profile)
    if(TAVEXO_SIM_PROFILE STREQUAL "generate")
        foreach(target ${ARGN})
            target_compile_options(${target} PRIVATE
                -fprofile-generate=${TAVEXO_SIM_PROFILE_DIR}
                -fprofile-prefix-path=${CMAKE_BINARY_DIR} -fprofile-update=atomic)
            target_link_options(${target} PRIVATE -fprofile-generate=${TAVEXO_SIM_PROFILE_DIR})
        endforeach()
    elseif(TAVEXO_SIM_PROFILE STREQUAL "use")
        foreach(target ${ARGN})
            target_compile_options(${target} PRIVATE
                -fprofile-use=${TAVEXO_SIM_PROFILE_DIR} -fprofile-prefix-path=${CMAKE_BINARY_DIR}
                -fprofile-partial-training -Wno-missing-profile)
            target_link_options(${target} PRIVATE -fprofile-use=${TAVEXO_SIM_PROFILE_DIR}
                                -fprofile-partial-training)
            add_dependencies(${target} tavexo_sim_training)
        endforeach()
    endif()
endfunction()

if(TAVEXO_SIM_PROFILE STREQUAL "generate")
    # The training: mostly the standard table, some of the other rules so
    # that they are not laid out as never taken. The old profile goes first,
    # since GCC adds new counts to what it finds.
    set(_sim $<TARGET_FILE:tavexo-sim>)
    add_custom_command(
        OUTPUT ${CMAKE_BINARY_DIR}/sim-profile.stamp
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${TAVEXO_SIM_PROFILE_DIR}
        COMMAND ${_sim} --rounds 300000 --seed 1 --threads 1 --json > /dev/null
        COMMAND ${_sim} --rounds 60000 --seed 2 --threads 1 --ramp 4 --decks 6 --json > /dev/null
        COMMAND ${_sim} --rounds 30000 --seed 3 --threads 1 --decks 1 --boxes 3 --json > /dev/null
        COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/sim-profile.stamp
        DEPENDS tavexo-sim
        COMMENT "Training the simulator's profile"
        VERBATIM)
    add_custom_target(tavexo_sim_training_run ALL DEPENDS ${CMAKE_BINARY_DIR}/sim-profile.stamp)
elseif(TAVEXO_SIM_PROFILE STREQUAL "use")
    include(ExternalProject)
    set(_launcher)
    if(CMAKE_CXX_COMPILER_LAUNCHER)
        set(_launcher -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER})
    endif()
    cmake_host_system_information(RESULT _cores QUERY NUMBER_OF_LOGICAL_CORES)
    ExternalProject_Add(tavexo_sim_training
        SOURCE_DIR ${PROJECT_SOURCE_DIR}
        BINARY_DIR ${CMAKE_BINARY_DIR}/sim-profile
        CMAKE_ARGS
            -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
            -DCMAKE_CXX_COMPILER=${CMAKE_CXX_COMPILER}
            ${_launcher}
            -DTAVEXO_SIM_PROFILE=generate
            -DTAVEXO_SIM_PROFILE_DIR=${TAVEXO_SIM_PROFILE_DIR}
            -DTAVEXO_MPI=${TAVEXO_MPI}
            -DTAVEXO_BUILD_UI=OFF
            -DTAVEXO_BUILD_BENCH=OFF
        BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target tavexo_sim_training_run
                      --parallel ${_cores}
        INSTALL_COMMAND ""
        # The training build follows every change of the sources itself.
        BUILD_ALWAYS ON)
endif()
