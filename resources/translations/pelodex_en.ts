<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ko">
<context>
    <name>pdx::at::AtPhone</name>
    <message>
        <source>완료되었습니다.</source>
        <translation>Done.</translation>
    </message>
    <message>
        <source>휴대폰이 응답하지 않습니다.</source>
        <translation>The phone does not answer.</translation>
    </message>
    <message>
        <source>휴대폰과의 연결이 끊어졌습니다.</source>
        <translation>The connection to the phone was lost.</translation>
    </message>
    <message>
        <source>휴대폰이 요청을 거절했습니다.</source>
        <translation>The phone refused the request.</translation>
    </message>
    <message>
        <source>SIM 카드의 PIN이 필요합니다.</source>
        <translation>The SIM card needs its PIN.</translation>
    </message>
    <message>
        <source>SIM 카드가 잠겼습니다. PUK를 휴대폰에서 입력하십시오.</source>
        <translation>The SIM card is locked. Enter the PUK on the phone.</translation>
    </message>
    <message>
        <source>PIN이 맞지 않습니다.</source>
        <translation>The PIN is wrong.</translation>
    </message>
    <message>
        <source>휴대폰의 응답을 읽을 수 없습니다.</source>
        <translation>The phone&apos;s answer cannot be read.</translation>
    </message>
    <message>
        <source>취소되었습니다.</source>
        <translation>Cancelled.</translation>
    </message>
    <message>
        <source>(오류 %1)</source>
        <translation>(error %1)</translation>
    </message>
</context>
<context>
    <name>pdx::at::Contacts</name>
    <message>
        <source>완성형 한글 코드에 없는 문자를 ?로 바꾸었습니다: </source>
        <translation>characters code page 949 lacks were replaced by ?: </translation>
    </message>
    <message>
        <source>이름이 16바이트보다 길어 잘랐습니다</source>
        <translation>the name was longer than 16 bytes and was cut</translation>
    </message>
    <message>
        <source>번호를 넣을 수 없어 건너뛰었습니다: </source>
        <translation>skipped a number that cannot be kept: </translation>
    </message>
    <message>
        <source>이름이 휴대폰의 %1자보다 길어 잘랐습니다</source>
        <translation>the name was longer than the phone&apos;s %1 characters and was cut</translation>
    </message>
</context>
<context>
    <name>pdx::cli::Phone</name>
    <message>
        <source>%1개 읽음</source>
        <translation>%1 read</translation>
    </message>
    <message>
        <source>빈 슬롯</source>
        <translation>an empty slot</translation>
    </message>
    <message>
        <source>휴대폰의 응답이 없어 다시 읽었습니다. %1번 슬롯: %2</source>
        <translation>The phone did not answer, so the slot was read back. Slot %1: %2</translation>
    </message>
    <message>
        <source>이 휴대폰(AT 명령)에는 없는 기능입니다: 단축 다이얼, 알람, 환경 설정, 멜로디와 애니메이션은 원래 휴대폰에만 있습니다.</source>
        <translation>This phone (AT commands) does not have this: speed dials, alarms, phone settings, melodies and animations exist on the original handset only.</translation>
    </message>
    <message>
        <source>메시지가 너무 깁니다 (85바이트까지).</source>
        <translation>The message is too long (85 bytes at most).</translation>
    </message>
    <message>
        <source> 번호에는 숫자와 - # * p P 만 쓸 수 있습니다: </source>
        <translation> numbers may hold only digits and - # * p P: </translation>
    </message>
    <message>
        <source>--name 이 필요합니다.</source>
        <translation>--name is needed.</translation>
    </message>
    <message>
        <source>이름이 너무 깁니다 (16바이트까지): </source>
        <translation>The name is too long (16 bytes at most): </translation>
    </message>
    <message>
        <source>--to 에 받는 사람의 번호가 필요합니다.</source>
        <translation>--to needs the recipient&apos;s number.</translation>
    </message>
    <message>
        <source>--text 에 보낼 내용이 필요합니다.</source>
        <translation>--text needs the text to send.</translation>
    </message>
    <message>
        <source>--index 와 --slot(0~2)이 필요합니다.</source>
        <translation>--index and --slot (0 to 2) are needed.</translation>
    </message>
    <message>
        <source>파일에 %1번 애니메이션이 없습니다 (%2개).</source>
        <translation>The file has no animation %1 (it has %2).</translation>
    </message>
    <message>
        <source>파일에 %1번 멜로디가 없습니다 (%2개).</source>
        <translation>The file has no melody %1 (it has %2).</translation>
    </message>
    <message>
        <source>백업을 저장하였습니다: %1</source>
        <translation>The backup was saved: %1</translation>
    </message>
    <message>
        <source>--device 와 --port 는 함께 쓸 수 없습니다.</source>
        <translation>--device and --port cannot be given together.</translation>
    </message>
    <message>
        <source>--protocol 에는 native, at, auto 중 하나를 쓰세요.</source>
        <translation>--protocol takes native, at or auto.</translation>
    </message>
    <message>
        <source>--memory 에는 SM(SIM)이나 ME(휴대폰)를 쓰세요.</source>
        <translation>--memory takes SM (the SIM) or ME (the phone).</translation>
    </message>
    <message>
        <source>--storage 에는 SM, ME, MT 중 하나를 쓰세요.</source>
        <translation>--storage takes SM, ME or MT.</translation>
    </message>
    <message>
        <source>슬롯 번호는 0에서 199 사이여야 합니다.</source>
        <translation>The slot number must be between 0 and 199.</translation>
    </message>
    <message>
        <source>read 다음에는 phonebook, sms, alarms, speed-dials, options 중 하나를 쓰세요.</source>
        <translation>read takes phonebook, sms, alarms, speed-dials or options.</translation>
    </message>
    <message>
        <source>backup 다음에 저장할 폴더를 쓰세요.</source>
        <translation>backup takes the folder to save into.</translation>
    </message>
    <message>
        <source>명령이 필요합니다: info, read, write-entry, erase-entry, send-sms, sms-load, sms-save, mark-read, delete-sms, send-melody, send-animation, backup, ports, set-speed-dial, clear-speed-dial, move-speed-dial, add-alarm, modify-alarm, delete-alarm, set-option</source>
        <translation>A command is needed: info, read, write-entry, erase-entry, send-sms, sms-load, sms-save, mark-read, delete-sms, send-melody, send-animation, backup, ports, set-speed-dial, clear-speed-dial, move-speed-dial, add-alarm, modify-alarm, delete-alarm, set-option</translation>
    </message>
    <message>
        <source>알 수 없는 phone 명령입니다: </source>
        <translation>Unknown phone command: </translation>
    </message>
    <message>
        <source>비밀번호(숫자 네 자리)를 --password 나 PELODEX_PASSWORD 로 주세요.</source>
        <translation>Give the password (four digits) with --password or PELODEX_PASSWORD.</translation>
    </message>
    <message>
        <source>--period 는 once, daily, weekly, monthly 중 하나여야 합니다: </source>
        <translation>--period must be once, daily, weekly or monthly: </translation>
    </message>
    <message>
        <source>--time 은 HH:MM (00:00~23:59) 이어야 합니다: </source>
        <translation>--time must be HH:MM (00:00 to 23:59): </translation>
    </message>
    <message>
        <source>--date 는 달력에 있는 MM-DD 이어야 합니다: </source>
        <translation>--date must be an MM-DD of the calendar: </translation>
    </message>
    <message>
        <source>--memo 는 12바이트(한글 6자)까지입니다: </source>
        <translation>--memo holds 12 bytes (6 Hangul syllables) at most: </translation>
    </message>
    <message>
        <source>휴대폰에 %1번 위치의 알람이 없습니다.</source>
        <translation>The phone has no alarm at position %1.</translation>
    </message>
    <message>
        <source>알람주기가 정해지지 않았습니다. --period 를 주세요.</source>
        <translation>The alarm has no period. Give --period.</translation>
    </message>
    <message>
        <source>알람 위치</source>
        <translation>alarm position</translation>
    </message>
    <message>
        <source>add-alarm 에는 --period 와 --time 이 필요합니다.</source>
        <translation>add-alarm needs --period and --time.</translation>
    </message>
    <message>
        <source>설정 항목 번호</source>
        <translation>setting number</translation>
    </message>
    <message>
        <source>set-option 다음에 항목 번호(0~37)와 값을 쓰세요.</source>
        <translation>set-option takes a setting number (0 to 37) and a value.</translation>
    </message>
    <message>
        <source>%1의 값은 0에서 %2 사이의 번호나 선택 항목의 이름이어야 합니다: %3</source>
        <translation>The value of %1 must be a number from 0 to %2 or the name of a choice: %3</translation>
    </message>
    <message>
        <source>%1에서 %2 사이의 수를 쓰세요.</source>
        <translation>give a number from %1 to %2.</translation>
    </message>
    <message>
        <source>받은 메시지 %1번이 없습니다 (%2개).</source>
        <translation>There is no received message %1 (there are %2).</translation>
    </message>
    <message>
        <source>저장된 메시지 %1번이 없습니다 (%2개).</source>
        <translation>There is no saved message %1 (there are %2).</translation>
    </message>
    <message>
        <source>--box 에는 received 나 saved 를 쓰세요.</source>
        <translation>--box takes received or saved.</translation>
    </message>
    <message>
        <source>--index 에 메시지 번호(1부터)를 쓰세요.</source>
        <translation>--index takes the message&apos;s number (from 1).</translation>
    </message>
    <message>
        <source>sms-load 다음에 읽을 텍스트 파일을 쓰세요.</source>
        <translation>sms-load takes the text file to read.</translation>
    </message>
    <message>
        <source>메시지를 읽어들일 수 없습니다: </source>
        <translation>The messages cannot be read in: </translation>
    </message>
    <message>
        <source>--out 에 저장할 텍스트 파일을 쓰세요.</source>
        <translation>--out takes the text file to save to.</translation>
    </message>
    <message>
        <source>메시지를 저장할 수 없습니다: </source>
        <translation>The message cannot be saved: </translation>
    </message>
    <message>
        <source>mark-read 다음에 받은 메시지의 번호(1부터)를 쓰세요.</source>
        <translation>mark-read takes a received message&apos;s number (from 1).</translation>
    </message>
    <message>
        <source>이미 읽은 메시지입니다.</source>
        <translation>The message was read already.</translation>
    </message>
    <message>
        <source>단축다이얼 번호</source>
        <translation>speed dial number</translation>
    </message>
    <message>
        <source>--entry(0~199)와 --kind home|office|mobile|pager 가 필요합니다.</source>
        <translation>--entry (0 to 199) and --kind home|office|mobile|pager are needed.</translation>
    </message>
    <message>
        <source>휴대폰 전화번호부 %1번에 %2 번호가 없습니다.</source>
        <translation>Phonebook slot %1 of the phone has no %2 number.</translation>
    </message>
    <message>
        <source>단축다이얼 %1번은 비어 있습니다.</source>
        <translation>Speed dial %1 is empty.</translation>
    </message>
    <message>
        <source>옮길 단축다이얼 번호</source>
        <translation>speed dial number to move to</translation>
    </message>
    <message>
        <source>지정된 단축다이얼을 비어 있는 단축다이얼로만 옮길 수 있습니다.</source>
        <translation>An assigned speed dial can be moved to an empty one only.</translation>
    </message>
    <message>
        <source>--pin 이나 PELODEX_PIN 으로 주세요.</source>
        <translation>Give it with --pin or PELODEX_PIN.</translation>
    </message>
    <message>
        <source>남은 횟수: %1</source>
        <translation>Attempts left: %1</translation>
    </message>
    <message>
        <source>AT 명령에 응답하지 않습니다.</source>
        <translation>does not answer AT commands.</translation>
    </message>
    <message>
        <source>사용 중: </source>
        <translation>in use: </translation>
    </message>
    <message>
        <source>열 수 있음</source>
        <translation>opens</translation>
    </message>
    <message>
        <source>열 수 없음: </source>
        <translation>does not open: </translation>
    </message>
</context>
<context>
    <name>pdx::cli::Usage</name>
    <message>
        <source>알 수 없는 명령입니다</source>
        <translation>unknown command</translation>
    </message>
    <message>
        <source>데이터 파일의 PC 전화번호부를 JSON으로 보여줍니다</source>
        <translation>shows the PC phonebook of a data file as JSON</translation>
    </message>
    <message>
        <source>전화번호부를 vCard 또는 CSV로 내보냅니다</source>
        <translation>exports the phonebook as vCard or CSV</translation>
    </message>
    <message>
        <source>이름(초성 포함)이나 번호로 찾은 항목을 보여줍니다</source>
        <translation>shows the entries found by name (initial consonants included) or number</translation>
    </message>
    <message>
        <source>글자·vCard·CSV 파일의 전화번호를 데이터 파일에 추가합니다 (--report: 건수와 사유를 JSON으로)</source>
        <translation>adds the numbers of a text, vCard or CSV file to a data file (--report: counts and reasons as JSON)</translation>
    </message>
    <message>
        <source>견본 전화번호부가 든 데이터 파일을 만듭니다</source>
        <translation>writes a data file holding a sample phonebook</translation>
    </message>
    <message>
        <source>전화번호부를 PDF로 인쇄합니다</source>
        <translation>prints the phonebook to PDF</translation>
    </message>
    <message>
        <source>애니메이션 파일을 JSON으로 보여줍니다</source>
        <translation>shows an animation file as JSON</translation>
    </message>
    <message>
        <source>그림 하나를 내보냅니다 (I: 파일 안의 순서, 0부터)</source>
        <translation>exports one picture (I: its place in the file, from 0)</translation>
    </message>
    <message>
        <source>전환 효과의 장면들을 만듭니다 (I: 파일 안의 순서, 0부터)</source>
        <translation>makes the frames of the transition effect (I: its place in the file, from 0)</translation>
    </message>
    <message>
        <source>add-image FILE.pca IMAGE --name NAME [가져오기 옵션]</source>
        <translation>add-image FILE.pca IMAGE --name NAME [import options]</translation>
    </message>
    <message>
        <source>그림을 변환해 새 애니메이션으로 추가합니다</source>
        <translation>converts a picture and adds it as a new animation</translation>
    </message>
    <message>
        <source>BMP, GIF, JPEG 그림을 PPM으로 풉니다</source>
        <translation>decodes a BMP, GIF or JPEG picture to PPM</translation>
    </message>
    <message>
        <source>convert IN [가져오기 옵션] [--onto FILE.pca --index I] --out OUT.pbm|OUT.png</source>
        <translation>convert IN [import options] [--onto FILE.pca --index I] --out OUT.pbm|OUT.png</translation>
    </message>
    <message>
        <source>그림을 96 × 51 흑백 그림으로 변환합니다 (I: 파일 안의 순서, 0부터)</source>
        <translation>converts a picture to 96 × 51 black and white (I: its place in the file, from 0)</translation>
    </message>
    <message>
        <source>휴대폰의 자료를 JSON으로 읽어옵니다 (메시지의 index: 메시지 명령이 받는 번호, 1부터)</source>
        <translation>reads the phone&apos;s data as JSON (a message&apos;s index: the number the message commands take, from 1)</translation>
    </message>
    <message>
        <source>전화번호부 한 칸을 씁니다</source>
        <translation>writes one phonebook slot</translation>
    </message>
    <message>
        <source>전화번호부 한 칸을 지웁니다</source>
        <translation>erases one phonebook slot</translation>
    </message>
    <message>
        <source>단문 메시지를 보냅니다</source>
        <translation>sends a short message</translation>
    </message>
    <message>
        <source>텍스트 파일의 메시지를 휴대폰 저장함에 씁니다</source>
        <translation>writes the messages of a text file into the phone&apos;s saved box</translation>
    </message>
    <message>
        <source>받은/저장된 메시지를 텍스트 파일로 저장합니다 (N: read sms의 index, 1부터)</source>
        <translation>saves a received or saved message to a text file (N: the index of read sms, from 1)</translation>
    </message>
    <message>
        <source>받은 메시지 N번을 읽음으로 표시합니다 (N: read sms의 index, 1부터)</source>
        <translation>marks received message N as read (N: the index of read sms, from 1)</translation>
    </message>
    <message>
        <source>받은/저장된 메시지 N번을 지웁니다 (N: read sms의 index, 1부터)</source>
        <translation>deletes received or saved message N (N: the index of read sms, from 1)</translation>
    </message>
    <message>
        <source>멜로디를 휴대폰에 넣습니다 (I: media list의 index, 0부터)</source>
        <translation>puts a melody into the phone (I: the index of media list, from 0)</translation>
    </message>
    <message>
        <source>애니메이션을 휴대폰에 넣습니다 (I: media list의 index, 0부터)</source>
        <translation>puts an animation into the phone (I: the index of media list, from 0)</translation>
    </message>
    <message>
        <source>단축다이얼 N에 전화번호부 한 칸의 번호를 지정합니다</source>
        <translation>assigns the number of a phonebook slot to speed dial N</translation>
    </message>
    <message>
        <source>단축다이얼 N을 지웁니다</source>
        <translation>clears speed dial N</translation>
    </message>
    <message>
        <source>단축다이얼을 다른 번호로 옮깁니다</source>
        <translation>moves a speed dial to another number</translation>
    </message>
    <message>
        <source>알람을 추가합니다</source>
        <translation>adds an alarm</translation>
    </message>
    <message>
        <source>modify-alarm POSITION [add-alarm의 옵션]</source>
        <translation>modify-alarm POSITION [options of add-alarm]</translation>
    </message>
    <message>
        <source>알람을 고칩니다</source>
        <translation>changes an alarm</translation>
    </message>
    <message>
        <source>알람을 지웁니다</source>
        <translation>deletes an alarm</translation>
    </message>
    <message>
        <source>휴대폰 환경 설정 한 항목을 바꿉니다</source>
        <translation>changes one of the phone&apos;s settings</translation>
    </message>
    <message>
        <source>휴대폰의 모든 자료를 폴더에 보관합니다</source>
        <translation>keeps all of the phone&apos;s data in a folder</translation>
    </message>
    <message>
        <source>가상 휴대폰을 의사 단말기에서 실행합니다</source>
        <translation>runs a simulated phone on a pseudo-terminal</translation>
    </message>
    <message>
        <source>AT 명령으로 답하는 요즘 휴대폰(모뎀)을 의사 단말기에서 실행합니다</source>
        <translation>runs a present-day phone (modem) answering AT commands on a pseudo-terminal</translation>
    </message>
    <message>
        <source>멜로디 파일을 JSON으로 보여줍니다</source>
        <translation>shows a melody file as JSON</translation>
    </message>
    <message>
        <source>휴대폰이 받는 바이트를 보여줍니다 (I: 파일 안의 순서, 0부터)</source>
        <translation>shows the bytes the phone receives (I: its place in the file, from 0)</translation>
    </message>
    <message>
        <source>멜로디를 WAV 파일로 만듭니다 (I: 파일 안의 순서, 0부터)</source>
        <translation>renders a melody to a WAV file (I: its place in the file, from 0)</translation>
    </message>
    <message>
        <source>멜로디를 PC에서 연주합니다 (I: 파일 안의 순서, 0부터)</source>
        <translation>plays a melody on the PC (I: its place in the file, from 0)</translation>
    </message>
    <message>
        <source>벨소리 텍스트를 멜로디 파일로 가져옵니다</source>
        <translation>imports ringtone text into a melody file</translation>
    </message>
    <message>
        <source>멜로디를 벨소리 텍스트로 내보냅니다 (I: 파일 안의 순서, 0부터)</source>
        <translation>exports a melody as ringtone text (I: its place in the file, from 0)</translation>
    </message>
    <message>
        <source>멜로디를 MIDI 파일로 내보냅니다 (I: 파일 안의 순서, 0부터)</source>
        <translation>exports a melody as a MIDI file (I: its place in the file, from 0)</translation>
    </message>
    <message>
        <source>MIDI 파일의 한 성부를 멜로디 파일로 가져옵니다</source>
        <translation>imports one voice of a MIDI file into a melody file</translation>
    </message>
    <message>
        <source>지정 화면의 파일과 항목 목록을 JSON으로 보여줍니다 (항목의 index: phone send-melody와 send-animation의 --index, 0부터)</source>
        <translation>shows the files and items the assignment page lists as JSON (an item&apos;s index: the --index of phone send-melody and send-animation, from 0)</translation>
    </message>
    <message>
        <source>양력 날짜를 음력으로 바꿉니다 (JSON)</source>
        <translation>converts solar dates to lunar dates (JSON)</translation>
    </message>
    <message>
        <source>PC의 데이터 파일 (Pelodex.dat)</source>
        <translation>the PC&apos;s data file (Pelodex.dat)</translation>
    </message>
    <message>
        <source>애니메이션 파일 (.pca)</source>
        <translation>animation files (.pca)</translation>
    </message>
    <message>
        <source>바깥 그림 (BMP, GIF, JPEG)</source>
        <translation>outside pictures (BMP, GIF, JPEG)</translation>
    </message>
    <message>
        <source>가상 휴대폰</source>
        <translation>the simulated phone</translation>
    </message>
    <message>
        <source>멜로디 파일 (.pcm)</source>
        <translation>melody files (.pcm)</translation>
    </message>
    <message>
        <source>멜로디·애니메이션 폴더</source>
        <translation>melody and animation folders</translation>
    </message>
    <message>
        <source>음력 날짜</source>
        <translation>lunar dates</translation>
    </message>
    <message>
        <source>사용법: pelodex-cli 그룹 명령 [인수...]
       pelodex-cli 그룹 --help    그룹의 명령을 봅니다
       pelodex-cli --version

</source>
        <translation>Usage: pelodex-cli GROUP COMMAND [ARGUMENTS...]
       pelodex-cli GROUP --help    lists the group&apos;s commands
       pelodex-cli --version

</translation>
    </message>
    <message>
        <source>종료 상태: 0 성공, 1 휴대폰 없음, 2-9 문서 오류, 3 비밀번호 틀림, 4 휴대폰이 거절, 64 잘못된 인수, 65 잘못된 자료, 66 읽을 수 없는 입력, 70 내부 오류, 73 만들 수 없음, 74 출력 오류</source>
        <translation>Exit status: 0 success, 1 no phone, 2-9 document error, 3 wrong password, 4 refused by the phone, 64 bad arguments, 65 bad data, 66 unreadable input, 70 internal error, 73 cannot create, 74 output error</translation>
    </message>
    <message>
        <source>휴대폰의 종류(원래 휴대폰 또는 AT 명령), 제조사·모델·버전·IMEI와 쓸 수 있는 기능을 JSON으로 보여줍니다</source>
        <translation>shows the phone&apos;s kind (original handset or AT commands), maker, model, revision, IMEI and the features it offers as JSON</translation>
    </message>
    <message>
        <source>COM1에서 COM8까지와 USB 직렬 장치, 그 by-id 이름, 열리는지와 쥐고 있는 프로그램, 푸는 방법을 보여줍니다</source>
        <translation>shows COM1 to COM8 and the USB serial devices, their by-id names, whether they open, the program holding them and how to free them</translation>
    </message>
    <message>
        <source>휴대폰과 주고받기: pelodex-cli phone [--device PATH | --port N] [--protocol auto|native|at] [--password NNNN] [--pin PIN] [--memory SM|ME] [--storage SM|ME|MT] 명령 (AT 휴대폰에는 단축다이얼·알람·환경 설정·멜로디·애니메이션·백업이 없어 4로 끝납니다)</source>
        <translation>exchanges with the phone: pelodex-cli phone [--device PATH | --port N] [--protocol auto|native|at] [--password NNNN] [--pin PIN] [--memory SM|ME] [--storage SM|ME|MT] COMMAND (an AT phone has no speed dials, alarms, settings, melodies, animations or backup: those exit 4)</translation>
    </message>
</context>
<context>
    <name>pdx::pelodex::AtSession</name>
    <message>
        <source>Pelodex의 200칸을 넘어 읽지 않았습니다</source>
        <translation>not read: past Pelodex&apos;s 200 slots</translation>
    </message>
</context>
<context>
    <name>pdx::platform::PortHolder</name>
    <message>
        <source>멈추려면 sudo systemctl stop ModemManager, 늘 비켜 두려면 udev 규칙 ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;을 쓰세요.</source>
        <translation>Stop it with sudo systemctl stop ModemManager, or keep it away for good with the udev rule ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;.</translation>
    </message>
    <message>
        <source>점자 단말을 쓰지 않으면 sudo systemctl stop brltty 로 멈추거나 brltty 꾸러미를 지우세요.</source>
        <translation>Without a braille display, stop it with sudo systemctl stop brltty or remove the brltty package.</translation>
    </message>
    <message>
        <source>그 프로그램을 끝낸 뒤 다시 하세요.</source>
        <translation>End that program and try again.</translation>
    </message>
    <message>
        <source>장치를 %1(프로세스 %2)에서 쓰고 있습니다.</source>
        <translation>The device is in use by %1 (process %2).</translation>
    </message>
</context>
<context>
    <name>pdx::winlib::Calendar</name>
    <message>
        <source>일</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>월</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>화</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>수</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>목</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>금</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>토</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>1월</source>
        <translation>January</translation>
    </message>
    <message>
        <source>2월</source>
        <translation>February</translation>
    </message>
    <message>
        <source>3월</source>
        <translation>March</translation>
    </message>
    <message>
        <source>4월</source>
        <translation>April</translation>
    </message>
    <message>
        <source>5월</source>
        <translation>May</translation>
    </message>
    <message>
        <source>6월</source>
        <translation>June</translation>
    </message>
    <message>
        <source>7월</source>
        <translation>July</translation>
    </message>
    <message>
        <source>8월</source>
        <translation>August</translation>
    </message>
    <message>
        <source>9월</source>
        <translation>September</translation>
    </message>
    <message>
        <source>10월</source>
        <translation>October</translation>
    </message>
    <message>
        <source>11월</source>
        <translation>November</translation>
    </message>
    <message>
        <source>12월</source>
        <translation>December</translation>
    </message>
    <message>
        <source>%1년 %2</source>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>윤 </source>
        <translation>leap </translation>
    </message>
</context>
<context>
    <name>pdx::winlib::Help</name>
    <message>
        <source>도움말 내용</source>
        <translation>Help text</translation>
    </message>
</context>
<context>
    <name>pdx::winlib::Picker</name>
    <message>
        <source>파일이 이미 있습니다. 덮어쓸까요?</source>
        <translation>The file already exists. Overwrite it?</translation>
    </message>
    <message>
        <source>파일이 존재하지 않습니다</source>
        <translation>The file does not exist</translation>
    </message>
    <message>
        <source>폴더를 찾을 수 없습니다.</source>
        <translation>The folder cannot be found.</translation>
    </message>
    <message>
        <source>폴더는 고를 수 없습니다. 파일 이름을 입력하십시오.</source>
        <translation>A folder cannot be chosen. Type a file name.</translation>
    </message>
    <message>
        <source>파일이름</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>파일 목록</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>드라이브선택</source>
        <translation>Drive</translation>
    </message>
</context>
<context>
    <name>pdx::winlib::WaitWindow</name>
    <message>
        <source>취소하는 중입니다.</source>
        <translation>Cancelling.</translation>
    </message>
</context>
<context>
    <name>PelodexApp</name>
    <message>
        <source>SIM 카드</source>
        <translation>SIM card</translation>
    </message>
    <message>
        <source>휴대폰 메모리</source>
        <translation>Phone memory</translation>
    </message>
    <message>
        <source>새 메시지가 도착했습니다.</source>
        <translation>A new message has arrived.</translation>
    </message>
    <message>
        <source>전화번호부 메모리</source>
        <translation>Phonebook memory</translation>
    </message>
    <message>
        <source>이 휴대폰(AT 방식)에는 없는 기능입니다.</source>
        <translation>This phone (AT commands) does not have this function.</translation>
    </message>
</context>
<context>
    <name>PinDialog</name>
    <message>
        <source>SIM 비밀번호</source>
        <translation>SIM PIN</translation>
    </message>
    <message>
        <source>SIM 카드의 PIN(숫자 4~8자리)을 입력하세요.</source>
        <translation>Enter the SIM card PIN (4 to 8 digits).</translation>
    </message>
    <message>
        <source>남은 시도 횟수: %1</source>
        <translation>Attempts left: %1</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>확인</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
