# Upload engine and the stand-in's upload locations.
brisko_add_test(test_devservice_upload SOURCES test_devservice_upload.cpp
    LIBS testsupport api PkgConfig::CURL)
brisko_add_test(test_uploadprotocol SOURCES test_uploadprotocol.cpp LIBS upload)

# Jobs against the stand-in.
set(BRISKO_UPLOAD_JOB_SUPPORT
    uploadfixture.cpp uploadfixture.h uploadrecorder.cpp uploadrecorder.h
    shortwaits.cpp shortwaits.h)
brisko_add_test(test_uploadfile SOURCES test_uploadfile.cpp ${BRISKO_UPLOAD_JOB_SUPPORT}
    LIBS testsupport upload download core)
brisko_add_test(test_uploadtransfer SOURCES test_uploadtransfer.cpp ${BRISKO_UPLOAD_JOB_SUPPORT}
    LIBS testsupport upload download core)

# The upload queue: its model and scheduler, the history file, the tab and the dialog.
brisko_add_test(test_tableuploadmodel SOURCES test_tableuploadmodel.cpp
    ${BRISKO_UPLOAD_JOB_SUPPORT} LIBS testsupport upload download core)
brisko_add_test(test_uploadhistory SOURCES test_uploadhistory.cpp faketransferenvironment.cpp
    faketransferenvironment.h LIBS upload core)
brisko_add_test(test_formupload SOURCES test_formupload.cpp ${BRISKO_UPLOAD_JOB_SUPPORT}
    modalanswerer.cpp modalanswerer.h uploadtabprobe.h LIBS uitestsupport uploadui mainwindow)
