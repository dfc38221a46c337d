// Numbers of the bitmap resources that the programs name in code. Numbers of
// buttons equal their command numbers and are not repeated here.
#pragma once

namespace pdx::resources {

inline constexpr int kProgramIconPelodex = 128;
inline constexpr int kProgramIconCarrowin = 129;
inline constexpr int kProgramIconVelluto = 130;

inline constexpr int kLinkConnected = 1100;
inline constexpr int kLinkNotConnected = 1101;
inline constexpr int kLinkSearching = 1102; // 12 frames, 150 ms each
inline constexpr int kLinkTransfer = 1103;  // 12 frames, 150 ms each

// Icon strips of the column lists: phonebook states (phone, blank,
// question), messages (15 icons, codes 11 to 15 meaningful), alarms (9).
inline constexpr int kPhonebookIcons = 1200;
inline constexpr int kMessageIcons = 1201;
inline constexpr int kAlarmIcons = 1202;
inline constexpr int kSymbolStrip = 1203; // ten 27-pixel symbol pictures
inline constexpr int kHeaderPhone = 1204; // phone picture of a list header

inline constexpr int kPagePassword = 3001;
inline constexpr int kPageMenu = 3002;
inline constexpr int kPageSms = 3003;
inline constexpr int kPageSmsReceived = 3004;
inline constexpr int kPageSmsSent = 3005;
inline constexpr int kPagePhonebook = 3008;
inline constexpr int kPageSpeedDial = 3009;
inline constexpr int kPageMelody = 3010;
inline constexpr int kPageAnimation = 3011;
inline constexpr int kPageAlarm = 3012;
inline constexpr int kPageOptions = 3013;
inline constexpr int kPageHelp = 3014;
inline constexpr int kMelodyEditorSkin = 3050;
inline constexpr int kAnimationEditorSkin = 3060;

// Score glyphs of the melody editor: note heads of whole to thirty-second
// notes (stem up, stem down), rests of whole to thirty-second, signs.
inline constexpr int kGlyphTrebleClef = 4800;
inline constexpr int kGlyphNoteUpFirst = 4801;   // 4801..4806
inline constexpr int kGlyphNoteDownFirst = 4811; // 4811..4816
inline constexpr int kGlyphRestFirst = 4821;     // 4821..4826
inline constexpr int kGlyphSharp = 4830;
inline constexpr int kGlyphFlat = 4831;
inline constexpr int kGlyphNatural = 4832;
inline constexpr int kGlyphLeftRepeat = 4833;
inline constexpr int kGlyphRightRepeat = 4834;
inline constexpr int kGlyphDot = 4835;
// Piano key pictures: three white-key shapes and the black key.
inline constexpr int kKeyWhiteLeft = 4840;
inline constexpr int kKeyWhiteMiddle = 4841;
inline constexpr int kKeyWhiteRight = 4842;
inline constexpr int kKeyBlack = 4843;

inline constexpr int kButtonOk = 5000;
inline constexpr int kButtonCancel = 5001;
inline constexpr int kButtonYes = 5002;
inline constexpr int kButtonNo = 5003;
inline constexpr int kButtonRetry = 5004;
inline constexpr int kIconStop = 5010;
inline constexpr int kIconQuestion = 5011;
inline constexpr int kIconExclamation = 5012;
inline constexpr int kIconInformation = 5013;

inline constexpr int kDialogPieceFirst = 5200; // 5200..5217
inline constexpr int kDialogTitleBar = 5208;   // a caption copied at (0, 0)
inline constexpr int kCaptionNewFile = 5300;
inline constexpr int kCaptionOpen = 5301;
inline constexpr int kCaptionSave = 5302;
inline constexpr int kCaptionHelp = 5303;
inline constexpr int kCaptionExit = 5304;
inline constexpr int kCaptionNotice = 5305;
inline constexpr int kCaptionDelete = 5321;
inline constexpr int kCaptionNewMelody = 5400;
inline constexpr int kCaptionRenameMelody = 5401;
inline constexpr int kCaptionTranspose = 5402;

} // namespace pdx::resources
