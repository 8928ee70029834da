# Builds the fuzz target with clang in its own build folder, then runs it for
# a bounded time on a copy of the seed corpus. A crash, a hang, a sanitizer
# report or a broken round trip fails. Run with cmake -P and:
#   -DSORGENTE=<source folder> -DCOSTRUZIONE=<build folder for the target>
#   -DCLANGXX=<clang++> [-DGENERATORE=<CMake generator>] [-DSECONDI=20]
if(NOT DEFINED SECONDI)
  set(SECONDI 20)
endif()
set(generatore)
if(GENERATORE)
  set(generatore -G ${GENERATORE})
endif()

execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${SORGENTE}/fuzz -B ${COSTRUZIONE} ${generatore}
          -DCMAKE_CXX_COMPILER=${CLANGXX}
  RESULT_VARIABLE esito)
if(esito)
  message(FATAL_ERROR "configurazione del fuzz non riuscita")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${COSTRUZIONE} -j4 RESULT_VARIABLE esito)
if(esito)
  message(FATAL_ERROR "compilazione del fuzz non riuscita")
endif()

# Every run writes and reads the two files several times: a folder in memory
# makes that quick where there is one.
set(ambiente)
if(IS_DIRECTORY /dev/shm)
  set(ambiente ${CMAKE_COMMAND} -E env TMPDIR=/dev/shm)
endif()

# libFuzzer adds what it finds to the corpus: it works on a copy.
file(REMOVE_RECURSE ${COSTRUZIONE}/corpus)
file(COPY ${SORGENTE}/fuzz/corpus/ DESTINATION ${COSTRUZIONE}/corpus)
execute_process(
  COMMAND ${ambiente} ${COSTRUZIONE}/fuzz_letture -max_total_time=${SECONDI} -timeout=10 -rss_limit_mb=2048
          -max_len=65536 -len_control=20
          -artifact_prefix=${COSTRUZIONE}/ ${COSTRUZIONE}/corpus
  RESULT_VARIABLE esito)
if(esito)
  message(FATAL_ERROR "il fuzz ha trovato un errore: vedere ${COSTRUZIONE}/crash-* o timeout-*")
endif()
