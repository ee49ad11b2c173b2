# Gives a UI test a fresh, private home: its own runtime folder (mode 0700,
# as Qt demands) and empty data and config folders, so that no test ever
# reads or writes the user's real files and no run sees the last one's.
if(NOT DIR)
    message(FATAL_ERROR "DIR not set")
endif()
file(REMOVE_RECURSE ${DIR})
file(MAKE_DIRECTORY ${DIR}/runtime ${DIR}/home ${DIR}/data ${DIR}/config ${DIR}/cache)
file(CHMOD ${DIR}/runtime PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
