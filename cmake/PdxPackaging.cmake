# The Debian package of the suite, made by `cpack -G DEB` in a build
# configured with CMAKE_INSTALL_PREFIX=/usr (scripts/package.sh).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pelodex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "QZ Telecom")
set(CPACK_PACKAGE_CONTACT "QZ Telecom <pelodex@qztelecom.co.kr>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION comm)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "QZ Telecom <pelodex@qztelecom.co.kr>")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The programs ask for Korean and serif faces that Qt finds through
# fontconfig; the Qt platform plugins are a plugin, not a linked library.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-nanum, fonts-liberation2, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://qztelecom.co.kr/pelodex")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Korean mobile phone data, ringtone and picture suite")
# The extended description: CPack puts the summary above it, indents each
# line and turns the empty line into the paragraph mark.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Pelodex reads, edits and writes back the phonebook, groups, speed dials,
short messages and alarms of a Korean mobile phone over a serial cable
(a USB-serial adapter), keeps a local phonebook that works without the
phone, prints it, and imports contacts from text and vCard files.
Carrowin edits one-voice ringtone melodies (.pcm) and plays them on the PC;
Velluto draws 96 x 51 black-and-white pictures and animations (.pca).
pelodex-cli does the same from the command line and includes a phone
simulator.

휴대폰 자료(전화번호부, 단문 메시지, 알람)를 직렬 케이블로 관리하고,
벨소리 멜로디와 화면 그림을 만들어 휴대폰에 보내는 프로그램 모음입니다.")
include(CPack)
