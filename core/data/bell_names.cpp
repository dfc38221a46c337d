#include "core/data/records.h"

namespace pdx::core {

namespace {

constexpr std::array<std::string_view, kBellNameCount> kBellNames = {
    QT_TRANSLATE_NOOP("pdx::bells", "<벨지정 사용안함>"),
    QT_TRANSLATE_NOOP("pdx::bells", "(1)나만의 멜로디1"),
    QT_TRANSLATE_NOOP("pdx::bells", "(2)나만의 멜로디2"),
    QT_TRANSLATE_NOOP("pdx::bells", "(3)나만의 멜로디3"),
    QT_TRANSLATE_NOOP("pdx::bells", "(4)벨1"),
    QT_TRANSLATE_NOOP("pdx::bells", "(5)벨2"),
    QT_TRANSLATE_NOOP("pdx::bells", "(6)벨3"),
    QT_TRANSLATE_NOOP("pdx::bells", "(7)벨4"),
    QT_TRANSLATE_NOOP("pdx::bells", "(8)벨5"),
    QT_TRANSLATE_NOOP("pdx::bells", "(9)벨6"),
    QT_TRANSLATE_NOOP("pdx::bells", "(10)벨7"),
    QT_TRANSLATE_NOOP("pdx::bells", "(11)하이든 트럼펫"),
    QT_TRANSLATE_NOOP("pdx::bells", "(12)푸니쿨리 푸니쿨라"),
    QT_TRANSLATE_NOOP("pdx::bells", "(13)즉흥환상곡"),
    QT_TRANSLATE_NOOP("pdx::bells", "(14)엘리제를위하여"),
    QT_TRANSLATE_NOOP("pdx::bells", "(15)유모레스크"),
    QT_TRANSLATE_NOOP("pdx::bells", "(16)파헬벨의 캐논"),
    QT_TRANSLATE_NOOP("pdx::bells", "(17)요술피리 변주곡"),
    QT_TRANSLATE_NOOP("pdx::bells", "(18)바흐 미뉴에트"),
    QT_TRANSLATE_NOOP("pdx::bells", "(19)사랑의 기쁨"),
    QT_TRANSLATE_NOOP("pdx::bells", "(20)복케리니미뉴엣"),
    QT_TRANSLATE_NOOP("pdx::bells", "(21)빌헬름 텔 서곡"),
    QT_TRANSLATE_NOOP("pdx::bells", "(22)프랑스조곡 2번"),
    QT_TRANSLATE_NOOP("pdx::bells", "(23)슈베르트 숭어"),
    QT_TRANSLATE_NOOP("pdx::bells", "(24)투우사의 노래"),
    QT_TRANSLATE_NOOP("pdx::bells", "(25)터키 행진곡"),
    QT_TRANSLATE_NOOP("pdx::bells", "(26)꽃의 왈츠"),
    QT_TRANSLATE_NOOP("pdx::bells", "(27)장난감 교향곡"),
    QT_TRANSLATE_NOOP("pdx::bells", "(28)백조의 호수"),
    QT_TRANSLATE_NOOP("pdx::bells", "(29)사계 중 \"봄\""),
    QT_TRANSLATE_NOOP("pdx::bells", "(30)까로 미오 벤"),
    QT_TRANSLATE_NOOP("pdx::bells", "(31)포스터의 꿈길에서"),
    QT_TRANSLATE_NOOP("pdx::bells", "(32)오 수재너"),
    QT_TRANSLATE_NOOP("pdx::bells", "(33)황색리본"),
    QT_TRANSLATE_NOOP("pdx::bells", "(34)숲의 요들"),
    QT_TRANSLATE_NOOP("pdx::bells", "(35)Free as a Bird"),
    QT_TRANSLATE_NOOP("pdx::bells", "(36)군밤타령"),
    QT_TRANSLATE_NOOP("pdx::bells", "(37)잘살아보세"),
    QT_TRANSLATE_NOOP("pdx::bells", "(38)밀양 아리랑"),
    QT_TRANSLATE_NOOP("pdx::bells", "(39)몽금포 타령"),
    QT_TRANSLATE_NOOP("pdx::bells", "(40)풍년가"),
    QT_TRANSLATE_NOOP("pdx::bells", "(41)징글벨"),
    QT_TRANSLATE_NOOP("pdx::bells", "(42)고요한밤 거룩한 밤"),
    QT_TRANSLATE_NOOP("pdx::bells", "(43)축하하오 기쁜 성탄"),
    QT_TRANSLATE_NOOP("pdx::bells", "(44)기쁘다 구주 오셨네"),
    QT_TRANSLATE_NOOP("pdx::bells", "(45)축하합니다"),
    QT_TRANSLATE_NOOP("pdx::bells", "(46)금혼식"),
    QT_TRANSLATE_NOOP("pdx::bells", "(47)우산"),
    QT_TRANSLATE_NOOP("pdx::bells", "(48)나란히"),
    QT_TRANSLATE_NOOP("pdx::bells", "(49)귀여운 꼬마"),
    QT_TRANSLATE_NOOP("pdx::bells", "(50)딱다구리"),
};

} // namespace

std::string bellName(int index) {
  return index >= 0 && index < kBellNameCount
             ? text::translate("pdx::bells", kBellNames[static_cast<size_t>(index)].data())
             : std::string();
}

} // namespace pdx::core
