# cmake -DOUT=<file> -DPARTS=<file;file...> -P VornJoinFiles.cmake: writes the parts one after
# the other into OUT.
file(WRITE ${OUT} "")
foreach(part IN LISTS PARTS)
    file(READ ${part} text)
    file(APPEND ${OUT} "${text}")
endforeach()
