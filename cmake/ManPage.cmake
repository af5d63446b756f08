# Writes a manual page from a program's --help text:
#   cmake -DPROGRAM=path -DNAME=nimbo -DSUMMARY=... -DVERSION=... -DOUT=nimbo.1 -P ManPage.cmake
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE rc
                ENCODING UTF-8)
if(NOT rc EQUAL 0 OR help STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} --help failed (${rc})")
endif()
# Qt's parser names the program by the path it was started with.
string(REPLACE "${PROGRAM}" "${NAME}" help "${help}")
# roff: a backslash is written \e, a minus \-; a line may not start with a dot or an apostrophe.
string(REPLACE "\\" "\\e" help "${help}")
string(REPLACE "-" "\\-" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
string(TIMESTAMP today "%Y-%m-%d" UTC)
file(WRITE ${OUT} ".TH ${NAME} 1 \"${today}\" \"NimboSoft ${VERSION}\" \"NimboSoft\"\n"
                  ".SH NAME\n${NAME} \\- ${SUMMARY}\n"
                  ".SH KULLANIM / DESCRIPTION\n.nf\n${help}.fi\n"
                  ".SH SÜRÜM / VERSION\nNimboSoft ${VERSION}\n")
# Debian installs manual pages compressed.
file(ARCHIVE_CREATE OUTPUT ${OUT}.gz PATHS ${OUT} FORMAT raw COMPRESSION GZip)
