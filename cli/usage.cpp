#include "cli/usage.h"

#include "resources/translations/translation.h"

#include <QtGlobal>
#include <array>

#ifndef PDX_VERSION
#error "PDX_VERSION is set by the build"
#endif

namespace pdx::cli {

namespace {

constexpr std::array kDatafile = {
    CommandUsage{"show PATH",
                 QT_TRANSLATE_NOOP("pdx::cli::Usage", "데이터 파일의 PC 전화번호부를 JSON으로 보여줍니다")},
    CommandUsage{"export PATH --format vcard|csv [--out FILE]",
                 QT_TRANSLATE_NOOP("pdx::cli::Usage", "전화번호부를 vCard 또는 CSV로 내보냅니다")},
    CommandUsage{"find PATH QUERY [--number NUMBER]",
                 QT_TRANSLATE_NOOP("pdx::cli::Usage", "이름(초성 포함)이나 번호로 찾은 항목을 보여줍니다")},
    CommandUsage{
        "import FILE --data PATH [--report]",
        QT_TRANSLATE_NOOP(
            "pdx::cli::Usage",
            "글자·vCard·CSV 파일의 전화번호를 데이터 파일에 추가합니다 (--report: 건수와 사유를 JSON으로)")},
    CommandUsage{"sample PATH",
                 QT_TRANSLATE_NOOP("pdx::cli::Usage", "견본 전화번호부가 든 데이터 파일을 만듭니다")},
    CommandUsage{"print PATH --size wallet|normal --order group|name --pdf OUT.pdf",
                 QT_TRANSLATE_NOOP("pdx::cli::Usage", "전화번호부를 PDF로 인쇄합니다")},
};

constexpr std::array kAnimation = {
    CommandUsage{"show FILE.pca",
                 QT_TRANSLATE_NOOP("pdx::cli::Usage", "애니메이션 파일을 JSON으로 보여줍니다")},
    CommandUsage{"export FILE.pca [--index I] --out OUT.png|OUT.pbm",
                 QT_TRANSLATE_NOOP("pdx::cli::Usage", "그림 하나를 내보냅니다 (I: 파일 안의 순서, 0부터)")},
    CommandUsage{
        "effect FILE.pca [--index I] [--code C] [--frames DIR] [--gif OUT.gif] [--max-frames N]",
        QT_TRANSLATE_NOOP("pdx::cli::Usage", "전환 효과의 장면들을 만듭니다 (I: 파일 안의 순서, 0부터)")},
    CommandUsage{QT_TRANSLATE_NOOP("pdx::cli::Usage", "add-image FILE.pca IMAGE --name NAME [가져오기 옵션]"),
                 QT_TRANSLATE_NOOP("pdx::cli::Usage", "그림을 변환해 새 애니메이션으로 추가합니다")},
};

constexpr std::array kImage = {
    CommandUsage{"decode IN --out OUT.ppm",
                 QT_TRANSLATE_NOOP("pdx::cli::Usage", "BMP, GIF, JPEG 그림을 PPM으로 풉니다")},
    CommandUsage{
        QT_TRANSLATE_NOOP("pdx::cli::Usage",
                          "convert IN [가져오기 옵션] [--onto FILE.pca --index I] --out OUT.pbm|OUT.png"),
        QT_TRANSLATE_NOOP("pdx::cli::Usage",
                          "그림을 96 × 51 흑백 그림으로 변환합니다 (I: 파일 안의 순서, 0부터)")},
};

constexpr std::array kPhone = {
    CommandUsage{"info",
                 QT_TRANSLATE_NOOP(
                     "pdx::cli::Usage",
                     "휴대폰의 종류(원래 휴대폰 또는 AT 명령), 제조사·모델·버전·IMEI와 쓸 수 있는 기능을 "
                     "JSON으로 보여줍니다")},
    CommandUsage{"read phonebook|sms|alarms|speed-dials|options",
                 QT_TRANSLATE_NOOP(
                     "pdx::cli::Usage",
                     "휴대폰의 자료를 JSON으로 읽어옵니다 (메시지의 index: 메시지 명령이 받는 번호, 1부터)")},
    CommandUsage{"write-entry SLOT --name N [--home --office --mobile --pager --group ID]",
                 QT_TRANSLATE_NOOP("pdx::cli::Usage", "전화번호부 한 칸을 씁니다")},
    CommandUsage{"erase-entry SLOT", QT_TRANSLATE_NOOP("pdx::cli::Usage", "전화번호부 한 칸을 지웁니다")},
    CommandUsage{"send-sms --to NUMBER [--callback NUMBER] --text TEXT",
                 QT_TRANSLATE_NOOP("pdx::cli::Usage", "단문 메시지를 보냅니다")},
    CommandUsage{"sms-load FILE.txt",
                 QT_TRANSLATE_NOOP("pdx::cli::Usage", "텍스트 파일의 메시지를 휴대폰 저장함에 씁니다")},
    CommandUsage{
        "sms-save --box received|saved --index N --out FILE.txt",
        QT_TRANSLATE_NOOP("pdx::cli::Usage",
                          "받은/저장된 메시지를 텍스트 파일로 저장합니다 (N: read sms의 index, 1부터)")},
    CommandUsage{"mark-read N",
                 QT_TRANSLATE_NOOP("pdx::cli::Usage",
                                   "받은 메시지 N번을 읽음으로 표시합니다 (N: read sms의 index, 1부터)")},
    CommandUsage{"delete-sms --box received|saved --index N",
                 QT_TRANSLATE_NOOP("pdx::cli::Usage",
                                   "받은/저장된 메시지 N번을 지웁니다 (N: read sms의 index, 1부터)")},
    CommandUsage{
        "send-melody FILE.pcm --index I --slot S",
        QT_TRANSLATE_NOOP("pdx::cli::Usage", "멜로디를 휴대폰에 넣습니다 (I: media list의 index, 0부터)")},
    CommandUsage{"send-animation FILE.pca --index I --slot S",
                 QT_TRANSLATE_NOOP("pdx::cli::Usage",
                                   "애니메이션을 휴대폰에 넣습니다 (I: media list의 index, 0부터)")},
    CommandUsage{"set-speed-dial N --entry SLOT --kind home|office|mobile|pager",
                 QT_TRANSLATE_NOOP("pdx::cli::Usage", "단축다이얼 N에 전화번호부 한 칸의 번호를 지정합니다")},
    CommandUsage{"clear-speed-dial N", QT_TRANSLATE_NOOP("pdx::cli::Usage", "단축다이얼 N을 지웁니다")},
    CommandUsage{"move-speed-dial FROM TO",
                 QT_TRANSLATE_NOOP("pdx::cli::Usage", "단축다이얼을 다른 번호로 옮깁니다")},
    CommandUsage{"add-alarm --period once|daily|weekly|monthly --time HH:MM [--date MM-DD] [--weekday 0-6] "
                 "[--day D] [--memo TEXT]",
                 QT_TRANSLATE_NOOP("pdx::cli::Usage", "알람을 추가합니다")},
    CommandUsage{QT_TRANSLATE_NOOP("pdx::cli::Usage", "modify-alarm POSITION [add-alarm의 옵션]"),
                 QT_TRANSLATE_NOOP("pdx::cli::Usage", "알람을 고칩니다")},
    CommandUsage{"delete-alarm POSITION", QT_TRANSLATE_NOOP("pdx::cli::Usage", "알람을 지웁니다")},
    CommandUsage{"set-option ROW VALUE",
                 QT_TRANSLATE_NOOP("pdx::cli::Usage", "휴대폰 환경 설정 한 항목을 바꿉니다")},
    CommandUsage{"backup DIR",
                 QT_TRANSLATE_NOOP("pdx::cli::Usage", "휴대폰의 모든 자료를 폴더에 보관합니다")},
    CommandUsage{"ports",
                 QT_TRANSLATE_NOOP("pdx::cli::Usage",
                                   "COM1에서 COM8까지와 USB 직렬 장치, 그 by-id 이름, 열리는지와 쥐고 있는 "
                                   "프로그램, 푸는 방법을 보여줍니다")},
};

constexpr std::array kSimulate = {
    CommandUsage{"[--device PATH] [--state FILE] [--password NNNN] [--pace] [--drop-rate R] "
                 "[--corrupt-rate R] [--silent] [--refuse CODE] [--trace FILE] [--seed N] [--latency MS] "
                 "[--password-latency MS] [--push pong,sms,noise] [--push-every MS]",
                 QT_TRANSLATE_NOOP("pdx::cli::Usage", "가상 휴대폰을 의사 단말기에서 실행합니다")},
    CommandUsage{
        "--protocol at [--device PATH] [--state FILE] [--pin NNNN | --no-pin] [--pace] [--silent] "
        "[--latency MS] [--refuse +CMD[:CODE]] [--push sms,ring,noise] [--push-every MS] [--hang-up-after N]",
        QT_TRANSLATE_NOOP("pdx::cli::Usage",
                          "AT 명령으로 답하는 요즘 휴대폰(모뎀)을 의사 단말기에서 실행합니다")},
};

constexpr std::array kMelody = {
    CommandUsage{"show FILE.pcm", QT_TRANSLATE_NOOP("pdx::cli::Usage", "멜로디 파일을 JSON으로 보여줍니다")},
    CommandUsage{
        "encode FILE.pcm [--index I]",
        QT_TRANSLATE_NOOP("pdx::cli::Usage", "휴대폰이 받는 바이트를 보여줍니다 (I: 파일 안의 순서, 0부터)")},
    CommandUsage{
        "render FILE.pcm [--index I] --out OUT.wav [--rate HZ]",
        QT_TRANSLATE_NOOP("pdx::cli::Usage", "멜로디를 WAV 파일로 만듭니다 (I: 파일 안의 순서, 0부터)")},
    CommandUsage{
        "play FILE.pcm [--index I] [--silent]",
        QT_TRANSLATE_NOOP("pdx::cli::Usage", "멜로디를 PC에서 연주합니다 (I: 파일 안의 순서, 0부터)")},
    CommandUsage{"import-rtttl TEXT|FILE --out FILE.pcm",
                 QT_TRANSLATE_NOOP("pdx::cli::Usage", "벨소리 텍스트를 멜로디 파일로 가져옵니다")},
    CommandUsage{"export-rtttl FILE.pcm [--index I]",
                 QT_TRANSLATE_NOOP("pdx::cli::Usage",
                                   "멜로디를 벨소리 텍스트로 내보냅니다 (I: 파일 안의 순서, 0부터)")},
    CommandUsage{
        "export-midi FILE.pcm [--index I] --out OUT.mid",
        QT_TRANSLATE_NOOP("pdx::cli::Usage", "멜로디를 MIDI 파일로 내보냅니다 (I: 파일 안의 순서, 0부터)")},
    CommandUsage{"import-midi FILE.mid --out FILE.pcm [--track N] [--channel C] [--name NAME]",
                 QT_TRANSLATE_NOOP("pdx::cli::Usage", "MIDI 파일의 한 성부를 멜로디 파일로 가져옵니다")},
};

constexpr std::array kMedia = {
    CommandUsage{"list melodies|animations [--folder DIR]",
                 QT_TRANSLATE_NOOP(
                     "pdx::cli::Usage",
                     "지정 화면의 파일과 항목 목록을 JSON으로 보여줍니다 (항목의 index: phone send-melody와 "
                     "send-animation의 --index, 0부터)")},
};

constexpr std::array kLunar = {
    CommandUsage{"DATE | --from DATE --to DATE",
                 QT_TRANSLATE_NOOP("pdx::cli::Usage", "양력 날짜를 음력으로 바꿉니다 (JSON)")},
};

constexpr std::array kGroups = {
    GroupUsage{"datafile", QT_TRANSLATE_NOOP("pdx::cli::Usage", "PC의 데이터 파일 (Pelodex.dat)"), kDatafile},
    GroupUsage{"animation", QT_TRANSLATE_NOOP("pdx::cli::Usage", "애니메이션 파일 (.pca)"), kAnimation},
    GroupUsage{"image", QT_TRANSLATE_NOOP("pdx::cli::Usage", "바깥 그림 (BMP, GIF, JPEG)"), kImage},
    GroupUsage{
        "phone",
        QT_TRANSLATE_NOOP(
            "pdx::cli::Usage",
            "휴대폰과 주고받기: pelodex-cli phone [--device PATH | --port N] [--protocol auto|native|at] "
            "[--password NNNN] [--pin PIN] [--memory SM|ME] [--storage SM|ME|MT] 명령 (AT 휴대폰에는 "
            "단축다이얼·알람·환경 설정·멜로디·애니메이션·백업이 없어 4로 끝납니다)"),
        kPhone},
    GroupUsage{"simulate", QT_TRANSLATE_NOOP("pdx::cli::Usage", "가상 휴대폰"), kSimulate},
    GroupUsage{"melody", QT_TRANSLATE_NOOP("pdx::cli::Usage", "멜로디 파일 (.pcm)"), kMelody},
    GroupUsage{"media", QT_TRANSLATE_NOOP("pdx::cli::Usage", "멜로디·애니메이션 폴더"), kMedia},
    GroupUsage{"lunar", QT_TRANSLATE_NOOP("pdx::cli::Usage", "음력 날짜"), kLunar},
};

} // namespace

std::span<const GroupUsage> usageGroups() {
  return kGroups;
}

const GroupUsage *findGroupUsage(std::string_view name) {
  for (const GroupUsage &group : kGroups) {
    if (name == group.name) {
      return &group;
    }
  }
  return nullptr;
}

std::string usageText(const char *source) {
  return resources::translateUtf8("pdx::cli::Usage", source);
}

void printGroupUsage(std::FILE *out, const GroupUsage &group) {
  std::fprintf(out, "%s: %s\n", group.name, usageText(group.summary).c_str());
  for (const CommandUsage &command : group.commands) {
    std::fprintf(out, "  pelodex-cli %s %s\n      %s\n", group.name, usageText(command.synopsis).c_str(),
                 usageText(command.description).c_str());
  }
}

void printUsage(std::FILE *out) {
  std::fputs(usageText(QT_TRANSLATE_NOOP("pdx::cli::Usage",
                                         "사용법: pelodex-cli 그룹 명령 [인수...]\n"
                                         "       pelodex-cli 그룹 --help    그룹의 명령을 봅니다\n"
                                         "       pelodex-cli --version\n\n"))
                 .c_str(),
             out);
  for (const GroupUsage &group : kGroups) {
    printGroupUsage(out, group);
  }
  std::fprintf(
      out, "\n%s\n",
      usageText(QT_TRANSLATE_NOOP("pdx::cli::Usage",
                                  "종료 상태: 0 성공, 1 휴대폰 없음, 2-9 문서 오류, 3 비밀번호 틀림, "
                                  "4 휴대폰이 거절, 64 잘못된 인수, 65 잘못된 자료, 66 읽을 수 없는 "
                                  "입력, 70 내부 오류, 73 만들 수 없음, 74 출력 오류"))
          .c_str());
}

void printVersion(std::FILE *out) {
  std::fprintf(out, "pelodex-cli %s\n", PDX_VERSION);
}

} // namespace pdx::cli
