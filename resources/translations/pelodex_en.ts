<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ko">
<context>
    <name>pdx::alarms</name>
    <message>
        <source>알람은 10개까지 등록할 수 있습니다.</source>
        <translation>Up to 10 alarms can be set.</translation>
    </message>
    <message>
        <source>알람을 추가할 수 없습니다.</source>
        <translation>The alarm cannot be added.</translation>
    </message>
    <message>
        <source>알람을 수정할 수 없습니다.</source>
        <translation>The alarm cannot be modified.</translation>
    </message>
    <message>
        <source>알람을 삭제하시겠습니까?</source>
        <translation>Delete the alarm?</translation>
    </message>
    <message>
        <source>알람을 삭제할 수 없습니다.</source>
        <translation>The alarm cannot be deleted.</translation>
    </message>
    <message>
        <source>시간지정</source>
        <translation>Once</translation>
    </message>
    <message>
        <source>매일주기</source>
        <translation>Every day</translation>
    </message>
    <message>
        <source>매주주기</source>
        <translation>Every week</translation>
    </message>
    <message>
        <source>매월주기</source>
        <translation>Every month</translation>
    </message>
    <message>
        <source>%1은 달력에 없는 날짜입니다.</source>
        <translation>%1 is not a date on the calendar.</translation>
    </message>
    <message>
        <source>매일</source>
        <translation>Daily</translation>
    </message>
    <message>
        <source>매주 %1</source>
        <translation>Every %1</translation>
    </message>
    <message>
        <source>매월 %1일</source>
        <translation>Monthly on day %1</translation>
    </message>
</context>
<context>
    <name>pdx::animations</name>
    <message>
        <source>애니메이션을 지정할 수 없습니다.</source>
        <translation>The animation cannot be sent to the phone.</translation>
    </message>
    <message>
        <source>애니메이션 편집기</source>
        <translation>Animation editor</translation>
    </message>
</context>
<context>
    <name>pdx::bells</name>
    <message>
        <source>&lt;벨지정 사용안함&gt;</source>
        <translation>&lt;No ring tone&gt;</translation>
    </message>
    <message>
        <source>(1)나만의 멜로디1</source>
        <translation>(1)My Melody 1</translation>
    </message>
    <message>
        <source>(2)나만의 멜로디2</source>
        <translation>(2)My Melody 2</translation>
    </message>
    <message>
        <source>(3)나만의 멜로디3</source>
        <translation>(3)My Melody 3</translation>
    </message>
    <message>
        <source>(4)벨1</source>
        <translation>(4)Bell 1</translation>
    </message>
    <message>
        <source>(5)벨2</source>
        <translation>(5)Bell 2</translation>
    </message>
    <message>
        <source>(6)벨3</source>
        <translation>(6)Bell 3</translation>
    </message>
    <message>
        <source>(7)벨4</source>
        <translation>(7)Bell 4</translation>
    </message>
    <message>
        <source>(8)벨5</source>
        <translation>(8)Bell 5</translation>
    </message>
    <message>
        <source>(9)벨6</source>
        <translation>(9)Bell 6</translation>
    </message>
    <message>
        <source>(10)벨7</source>
        <translation>(10)Bell 7</translation>
    </message>
    <message>
        <source>(11)하이든 트럼펫</source>
        <translation>(11)Haydn Trumpet</translation>
    </message>
    <message>
        <source>(12)푸니쿨리 푸니쿨라</source>
        <translation>(12)Funiculì, Funiculà</translation>
    </message>
    <message>
        <source>(13)즉흥환상곡</source>
        <translation>(13)Fantaisie-Impromptu</translation>
    </message>
    <message>
        <source>(14)엘리제를위하여</source>
        <translation>(14)Für Elise</translation>
    </message>
    <message>
        <source>(15)유모레스크</source>
        <translation>(15)Humoresque</translation>
    </message>
    <message>
        <source>(16)파헬벨의 캐논</source>
        <translation>(16)Pachelbel&apos;s Canon</translation>
    </message>
    <message>
        <source>(17)요술피리 변주곡</source>
        <translation>(17)Magic Flute Variations</translation>
    </message>
    <message>
        <source>(18)바흐 미뉴에트</source>
        <translation>(18)Bach Minuet</translation>
    </message>
    <message>
        <source>(19)사랑의 기쁨</source>
        <translation>(19)Plaisir d&apos;amour</translation>
    </message>
    <message>
        <source>(20)복케리니미뉴엣</source>
        <translation>(20)Boccherini Minuet</translation>
    </message>
    <message>
        <source>(21)빌헬름 텔 서곡</source>
        <translation>(21)William Tell Overture</translation>
    </message>
    <message>
        <source>(22)프랑스조곡 2번</source>
        <translation>(22)French Suite No. 2</translation>
    </message>
    <message>
        <source>(23)슈베르트 숭어</source>
        <translation>(23)Schubert: The Trout</translation>
    </message>
    <message>
        <source>(24)투우사의 노래</source>
        <translation>(24)Toreador Song</translation>
    </message>
    <message>
        <source>(25)터키 행진곡</source>
        <translation>(25)Turkish March</translation>
    </message>
    <message>
        <source>(26)꽃의 왈츠</source>
        <translation>(26)Waltz of the Flowers</translation>
    </message>
    <message>
        <source>(27)장난감 교향곡</source>
        <translation>(27)Toy Symphony</translation>
    </message>
    <message>
        <source>(28)백조의 호수</source>
        <translation>(28)Swan Lake</translation>
    </message>
    <message>
        <source>(29)사계 중 &quot;봄&quot;</source>
        <translation>(29)&quot;Spring&quot; (The Four Seasons)</translation>
    </message>
    <message>
        <source>(30)까로 미오 벤</source>
        <translation>(30)Caro mio ben</translation>
    </message>
    <message>
        <source>(31)포스터의 꿈길에서</source>
        <translation>(31)Beautiful Dreamer</translation>
    </message>
    <message>
        <source>(32)오 수재너</source>
        <translation>(32)Oh! Susanna</translation>
    </message>
    <message>
        <source>(33)황색리본</source>
        <translation>(33)Yellow Ribbon</translation>
    </message>
    <message>
        <source>(34)숲의 요들</source>
        <translation>(34)Forest Yodel</translation>
    </message>
    <message>
        <source>(35)Free as a Bird</source>
        <translation>(35)Free as a Bird</translation>
    </message>
    <message>
        <source>(36)군밤타령</source>
        <translation>(36)Gunbam Taryeong</translation>
    </message>
    <message>
        <source>(37)잘살아보세</source>
        <translation>(37)Jalsara Bose</translation>
    </message>
    <message>
        <source>(38)밀양 아리랑</source>
        <translation>(38)Miryang Arirang</translation>
    </message>
    <message>
        <source>(39)몽금포 타령</source>
        <translation>(39)Monggeumpo Taryeong</translation>
    </message>
    <message>
        <source>(40)풍년가</source>
        <translation>(40)Pungnyeonga</translation>
    </message>
    <message>
        <source>(41)징글벨</source>
        <translation>(41)Jingle Bells</translation>
    </message>
    <message>
        <source>(42)고요한밤 거룩한 밤</source>
        <translation>(42)Silent Night</translation>
    </message>
    <message>
        <source>(43)축하하오 기쁜 성탄</source>
        <translation>(43)We Wish You a Merry Christmas</translation>
    </message>
    <message>
        <source>(44)기쁘다 구주 오셨네</source>
        <translation>(44)Joy to the World</translation>
    </message>
    <message>
        <source>(45)축하합니다</source>
        <translation>(45)Congratulations</translation>
    </message>
    <message>
        <source>(46)금혼식</source>
        <translation>(46)Golden Wedding</translation>
    </message>
    <message>
        <source>(47)우산</source>
        <translation>(47)Umbrella</translation>
    </message>
    <message>
        <source>(48)나란히</source>
        <translation>(48)Side by Side</translation>
    </message>
    <message>
        <source>(49)귀여운 꼬마</source>
        <translation>(49)Cute Little One</translation>
    </message>
    <message>
        <source>(50)딱다구리</source>
        <translation>(50)Woodpecker</translation>
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
        <source>COM1에서 COM8까지의 장치와 상태를 보여줍니다</source>
        <translation>shows the devices of COM1 to COM8 and their state</translation>
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
        <source>휴대폰과 주고받기: pelodex-cli phone [--device PATH | --port N] [--password NNNN] 명령</source>
        <translation>exchanges with the phone: pelodex-cli phone [--device PATH | --port N] [--password NNNN] COMMAND</translation>
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
</context>
<context>
    <name>pdx::data</name>
    <message>
        <source>데이터 파일(%1)을 읽을 수 없습니다.</source>
        <translation>The data file (%1) cannot be read.</translation>
    </message>
    <message>
        <source>파일을 보관할 수 없어 프로그램을 종료합니다. 파일을 다른 곳에 복사한 뒤 다시 시작하십시오.</source>
        <translation>The file cannot be set aside, so the program stops. Copy the file elsewhere and start again.</translation>
    </message>
    <message>
        <source>읽지 못한 파일은 %1 이름으로 그대로 보관했습니다.</source>
        <translation>The unreadable file was kept unchanged as %1.</translation>
    </message>
    <message>
        <source>백업 파일(Pelodex.old)로 시작하시겠습니까?</source>
        <translation>Start with the backup file (Pelodex.old)?</translation>
    </message>
    <message>
        <source>데이터 파일(Pelodex.dat)이 없고 백업 파일(Pelodex.old)이 있습니다. 백업 파일로 시작하시겠습니까?</source>
        <translation>There is no data file (Pelodex.dat) but there is a backup file (Pelodex.old). Start with the backup file?</translation>
    </message>
    <message>
        <source>더이상 그룹을 추가할 수 없습니다.</source>
        <translation>No more groups can be added.</translation>
    </message>
    <message>
        <source>그룹 이름을 입력하십시오.</source>
        <translation>Enter a group name.</translation>
    </message>
    <message>
        <source>같은 이름의 그룹이 있습니다.</source>
        <translation>A group with this name already exists.</translation>
    </message>
    <message>
        <source>집</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>회사</source>
        <translation>Work</translation>
    </message>
    <message>
        <source>휴대폰</source>
        <translation>Mobile</translation>
    </message>
    <message>
        <source>삐삐</source>
        <translation>Pager</translation>
    </message>
</context>
<context>
    <name>pdx::dates</name>
    <message>
        <source>오전</source>
        <translation>AM</translation>
    </message>
    <message>
        <source>오후</source>
        <translation>PM</translation>
    </message>
    <message>
        <source>1월</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>2월</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>3월</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>4월</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>5월</source>
        <translation>May</translation>
    </message>
    <message>
        <source>6월</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>7월</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>8월</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>9월</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>10월</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>11월</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>12월</source>
        <translation>Dec</translation>
    </message>
    <message>
        <source>%1년 %2월 %3일 %4 %5시 %6분</source>
        <extracomment>%1 year, %2 month, %3 day, %4 오전/오후, %5 the hour shown in Korean, %6 minute, %7 month name, %8 two-digit minute, %9 12-hour clock hour</extracomment>
        <translation>%7 %3, %1 %9:%8 %4</translation>
    </message>
    <message>
        <source>%1월 %2일</source>
        <extracomment>%1 month, %2 day, %3 month name</extracomment>
        <translation>%3 %2</translation>
    </message>
    <message>
        <source>%1 %2시 %3분</source>
        <extracomment>%1 오전/오후, %2 12-hour clock hour, %3 minute, %4 two-digit minute</extracomment>
        <translation>%2:%4 %1</translation>
    </message>
    <message>
        <source>일요일</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>월요일</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>화요일</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>수요일</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>목요일</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>금요일</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>토요일</source>
        <translation>Saturday</translation>
    </message>
</context>
<context>
    <name>pdx::features::CAlarmEditDlg</name>
    <message>
        <source>알람 추가</source>
        <translation>Add Alarm</translation>
    </message>
    <message>
        <source>알람 수정</source>
        <translation>Modify Alarm</translation>
    </message>
    <message>
        <source>알람메모</source>
        <translation>Memo</translation>
    </message>
    <message>
        <source>알람주기</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>확인</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>월</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>일</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>요일</source>
        <translation>Weekday</translation>
    </message>
    <message>
        <source>오전</source>
        <translation>AM</translation>
    </message>
    <message>
        <source>오후</source>
        <translation>PM</translation>
    </message>
    <message>
        <source>오전/오후</source>
        <translation>AM/PM</translation>
    </message>
    <message>
        <source>시</source>
        <translation>Hour</translation>
    </message>
    <message>
        <source>분</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>매일</source>
        <translation>Daily</translation>
    </message>
    <message>
        <source>매주</source>
        <translation>Weekly</translation>
    </message>
    <message>
        <source>매월</source>
        <translation>Monthly</translation>
    </message>
    <message>
        <source>%1년</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>알람시간</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>시</source>
        <comment>unit after a spin box</comment>
        <translation>h</translation>
    </message>
    <message>
        <source>분</source>
        <comment>unit after a spin box</comment>
        <translation>m</translation>
    </message>
    <message>
        <source>월</source>
        <comment>unit after a spin box</comment>
        <translation>mo</translation>
    </message>
    <message>
        <source>일</source>
        <comment>unit after a spin box</comment>
        <translation>d</translation>
    </message>
</context>
<context>
    <name>pdx::features::CAlarmPage</name>
    <message>
        <source>알람 지정</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>알람 목록</source>
        <translation>Alarm list</translation>
    </message>
    <message>
        <source>달력</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>이전 달</source>
        <translation>Previous month</translation>
    </message>
    <message>
        <source>다음 달</source>
        <translation>Next month</translation>
    </message>
    <message>
        <source>알람주기</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>알람시간 :</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>알람시간</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>메모</source>
        <translation>Memo</translation>
    </message>
    <message>
        <source>추가</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>수정</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>삭제</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>pdx::features::CAnimationPage</name>
    <message>
        <source>애니메이션 지정</source>
        <translation>Animations</translation>
    </message>
    <message>
        <source>애니메이션 파일 목록</source>
        <translation>Animation file list</translation>
    </message>
    <message>
        <source>애니메이션 목록</source>
        <translation>Animation list</translation>
    </message>
    <message>
        <source>애니메이션 미리보기</source>
        <translation>Animation preview</translation>
    </message>
    <message>
        <source>효과 보기</source>
        <translation>Show effect</translation>
    </message>
    <message>
        <source>미리보기</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>미리보기 정지</source>
        <translation>Stop preview</translation>
    </message>
    <message>
        <source>애니메이션 편집기</source>
        <translation>Animation editor</translation>
    </message>
    <message>
        <source>%1번</source>
        <translation>No. %1</translation>
    </message>
    <message>
        <source>%1번 애니메이션으로 지정</source>
        <translation>Set as animation %1</translation>
    </message>
    <message>
        <source>%1번 애니메이션</source>
        <translation>Animation %1</translation>
    </message>
    <message>
        <source>비어 있음</source>
        <translation>Empty</translation>
    </message>
    <message>
        <source>애니메이션 파일</source>
        <translation>Animation files</translation>
    </message>
    <message>
        <source>애니메이션</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>휴대폰에 지정</source>
        <translation>Send to phone</translation>
    </message>
</context>
<context>
    <name>pdx::features::CAssignDlg</name>
    <message>
        <source>이름 : %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>%1 전화번호 : %2</source>
        <translation>%1 number: %2</translation>
    </message>
    <message>
        <source>단축 다이얼 지정</source>
        <translation>Assign Speed Dial</translation>
    </message>
    <message>
        <source>번지</source>
        <translation>Key</translation>
    </message>
</context>
<context>
    <name>pdx::features::CCompareDlg</name>
    <message>
        <source>PC의 데이터로 휴대폰 데이터 수정</source>
        <translation>Update the phone from the PC</translation>
    </message>
    <message>
        <source>휴대폰의 데이터로 PC 데이터 수정</source>
        <translation>Update the PC from the phone</translation>
    </message>
    <message>
        <source>항상 PC의 데이터로 휴대폰 데이터 수정</source>
        <translation>Always update the phone from the PC</translation>
    </message>
    <message>
        <source>항상 휴대폰의 데이터로 PC 데이터 수정</source>
        <translation>Always update the PC from the phone</translation>
    </message>
    <message>
        <source>데이터 비교</source>
        <translation>Compare Data</translation>
    </message>
    <message>
        <source>%1번</source>
        <translation>No. %1</translation>
    </message>
    <message>
        <source>휴대폰 :</source>
        <translation>Phone:</translation>
    </message>
</context>
<context>
    <name>pdx::features::CComposeDlg</name>
    <message>
        <source>메시지 내용</source>
        <translation>Message text</translation>
    </message>
    <message>
        <source>남은 글자</source>
        <translation>Characters left</translation>
    </message>
    <message>
        <source>지금 보내기</source>
        <translation>Send now</translation>
    </message>
</context>
<context>
    <name>pdx::features::CEntryDlg</name>
    <message>
        <source>전화번호 입력</source>
        <translation>New Number</translation>
    </message>
    <message>
        <source>전화번호 수정</source>
        <translation>Modify Number</translation>
    </message>
    <message>
        <source>휴대폰에 전화번호 지정</source>
        <translation>Store number on phone</translation>
    </message>
    <message>
        <source>이름</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>집</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>회사</source>
        <translation>Work</translation>
    </message>
    <message>
        <source>휴대폰</source>
        <translation>Mobile</translation>
    </message>
    <message>
        <source>삐삐</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>그룹</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>[지정안됨]</source>
        <translation>[None]</translation>
    </message>
</context>
<context>
    <name>pdx::features::CFindDlg</name>
    <message>
        <source>찾기</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>이름</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>전화번호</source>
        <translation>Number</translation>
    </message>
</context>
<context>
    <name>pdx::features::CGroupEditDlg</name>
    <message>
        <source>그룹 추가</source>
        <translation>Add Group</translation>
    </message>
    <message>
        <source>그룹 수정</source>
        <translation>Modify Group</translation>
    </message>
    <message>
        <source>비밀그룹</source>
        <translation>Secret group</translation>
    </message>
    <message>
        <source>이름</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>착신벨</source>
        <translation>Ring tone</translation>
    </message>
</context>
<context>
    <name>pdx::features::CGroupListDlg</name>
    <message>
        <source>그룹이름 수정</source>
        <translation>Rename Group</translation>
    </message>
    <message>
        <source>추가</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>수정</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>삭제</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>닫기</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>그룹목록</source>
        <translation>Groups</translation>
    </message>
</context>
<context>
    <name>pdx::features::CMelodyPage</name>
    <message>
        <source>나만의 멜로디 지정</source>
        <translation>My Melodies</translation>
    </message>
    <message>
        <source>멜로디 파일 목록</source>
        <translation>Melody file list</translation>
    </message>
    <message>
        <source>멜로디 목록</source>
        <translation>Melody list</translation>
    </message>
    <message>
        <source>연주</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>정지</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>휴대폰 %1번 멜로디로 지정</source>
        <translation>Set as phone melody %1</translation>
    </message>
    <message>
        <source>멜로디 편집기</source>
        <translation>Melody editor</translation>
    </message>
    <message>
        <source>멜로디 파일</source>
        <translation>Melody files</translation>
    </message>
    <message>
        <source>멜로디</source>
        <translation>Melody</translation>
    </message>
    <message>
        <source>휴대폰에 지정</source>
        <translation>Send to phone</translation>
    </message>
</context>
<context>
    <name>pdx::features::CMessageDlg</name>
    <message>
        <source>문자 메시지</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>기호</source>
        <translation>Symbols</translation>
    </message>
</context>
<context>
    <name>pdx::features::COptionsPage</name>
    <message>
        <source>휴대폰 환경 설정</source>
        <translation>Phone Settings</translation>
    </message>
    <message>
        <source>휴대폰 환경 설정 목록</source>
        <translation>Phone settings list</translation>
    </message>
    <message>
        <source>적용</source>
        <translation>Apply</translation>
    </message>
</context>
<context>
    <name>pdx::features::CPhonebookPage</name>
    <message>
        <source>다이어리 전화번호부</source>
        <translation>Phonebook</translation>
    </message>
    <message>
        <source>그룹</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>이름</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>집</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>회사</source>
        <translation>Work</translation>
    </message>
    <message>
        <source>휴대폰</source>
        <translation>Mobile</translation>
    </message>
    <message>
        <source>삐삐</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>전화번호 목록</source>
        <translation>Number list</translation>
    </message>
    <message>
        <source>상태</source>
        <translation>State</translation>
    </message>
    <message>
        <source>휴대폰 저장</source>
        <translation>On phone</translation>
    </message>
    <message>
        <source>휴대폰 확인 안됨</source>
        <translation>Not confirmed</translation>
    </message>
    <message>
        <source>파일에서 추가</source>
        <translation>Add from file</translation>
    </message>
    <message>
        <source>그룹이름 수정</source>
        <translation>Rename Group</translation>
    </message>
    <message>
        <source>새 전화번호 입력</source>
        <translation>New number</translation>
    </message>
    <message>
        <source>삭제</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>수정</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>찾기</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>내보내기</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>단축 다이얼 편집</source>
        <translation>Speed dial</translation>
    </message>
    <message>
        <source>인쇄</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>전화번호부를 읽어들일 수 없습니다.</source>
        <translation>The phonebook file cannot be read.</translation>
    </message>
    <message>
        <source>휴대폰에 그룹을 추가할 수 없습니다.</source>
        <translation>The group cannot be added to the phone.</translation>
    </message>
    <message>
        <source>전화번호부를 내보낼 수 없습니다.
%1</source>
        <translation>The phonebook cannot be exported.
%1</translation>
    </message>
</context>
<context>
    <name>pdx::features::CPhonebookPickerDlg</name>
    <message>
        <source>전화번호부</source>
        <translation>Phonebook</translation>
    </message>
    <message>
        <source>전화번호 목록</source>
        <translation>Number list</translation>
    </message>
    <message>
        <source>이름</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>그룹</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>전화번호</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>목록 머리글</source>
        <translation>List header</translation>
    </message>
</context>
<context>
    <name>pdx::features::CPrintOptionsDlg</name>
    <message>
        <source>PDF 파일로 인쇄</source>
        <translation>Print to PDF file</translation>
    </message>
    <message>
        <source>인쇄</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>지갑속크기</source>
        <translation>Wallet size</translation>
    </message>
    <message>
        <source>보통서류크기</source>
        <translation>Letter size</translation>
    </message>
    <message>
        <source>그룹순으로</source>
        <translation>By group</translation>
    </message>
    <message>
        <source>이름순으로</source>
        <translation>By name</translation>
    </message>
    <message>
        <source>프린터</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>프린터 :</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>크기 :</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>순서 :</source>
        <translation>Order:</translation>
    </message>
</context>
<context>
    <name>pdx::features::CReplyDlg</name>
    <message>
        <source>답장</source>
        <translation>Reply</translation>
    </message>
    <message>
        <source>수신번호</source>
        <translation>To</translation>
    </message>
    <message>
        <source>회신번호</source>
        <translation>Call back</translation>
    </message>
</context>
<context>
    <name>pdx::features::CSendDlg</name>
    <message>
        <source>지금 보내기</source>
        <translation>Send now</translation>
    </message>
    <message>
        <source>수신번호</source>
        <translation>To</translation>
    </message>
    <message>
        <source>회신번호</source>
        <translation>Call back</translation>
    </message>
    <message>
        <source>전화번호부</source>
        <translation>Phonebook</translation>
    </message>
</context>
<context>
    <name>pdx::features::CSmsListPage</name>
    <message>
        <source>메시지 목록</source>
        <translation>Message list</translation>
    </message>
    <message>
        <source>목록 머리글</source>
        <translation>List header</translation>
    </message>
    <message>
        <source>메시지 내용</source>
        <translation>Message text</translation>
    </message>
    <message>
        <source>저장</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>인쇄</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>메시지를 저장할 수 없습니다.</source>
        <translation>The message cannot be saved.</translation>
    </message>
</context>
<context>
    <name>pdx::features::CSmsMenuPage</name>
    <message>
        <source>문자 메시지 확인</source>
        <translation>Received Messages</translation>
    </message>
    <message>
        <source>문자 메시지 발신</source>
        <translation>Sent Messages</translation>
    </message>
    <message>
        <source>단문 메시지</source>
        <translation>Messages</translation>
    </message>
</context>
<context>
    <name>pdx::features::CSmsReceivedPage</name>
    <message>
        <source>문자 메시지 확인</source>
        <translation>Received Messages</translation>
    </message>
    <message>
        <source>번호</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>속성</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>발신번호</source>
        <translation>From</translation>
    </message>
    <message>
        <source>시간</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>내용</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>답장</source>
        <translation>Reply</translation>
    </message>
    <message>
        <source>삭제</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>pdx::features::CSmsSentPage</name>
    <message>
        <source>문자 메시지 발신</source>
        <translation>Sent Messages</translation>
    </message>
    <message>
        <source>번호</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>시간</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>내용</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>새 단문 작성</source>
        <translation>New message</translation>
    </message>
    <message>
        <source>수정</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>지금 보내기</source>
        <translation>Send now</translation>
    </message>
    <message>
        <source>삭제</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>열기</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>메시지를 읽어들일 수 없습니다.</source>
        <translation>The messages cannot be read.</translation>
    </message>
</context>
<context>
    <name>pdx::features::CSpeedDialPage</name>
    <message>
        <source>단축 다이얼 편집</source>
        <translation>Speed dial</translation>
    </message>
    <message>
        <source>단축 다이얼 목록</source>
        <translation>Speed dial list</translation>
    </message>
    <message>
        <source>이름</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>전화번호</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>단축 다이얼 목록 머리글</source>
        <translation>Speed dial list header</translation>
    </message>
    <message>
        <source>휴대폰 전화번호부 목록</source>
        <translation>Phone&apos;s phonebook list</translation>
    </message>
    <message>
        <source>휴대폰 전화번호부 목록 머리글</source>
        <translation>Phone&apos;s phonebook list header</translation>
    </message>
    <message>
        <source>지정</source>
        <translation>Assign</translation>
    </message>
    <message>
        <source>삭제</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>전화번호부</source>
        <translation>Phonebook</translation>
    </message>
</context>
<context>
    <name>pdx::features::ColumnHeader</name>
    <message>
        <source>열 제목</source>
        <translation>Column heads</translation>
    </message>
</context>
<context>
    <name>pdx::features::SymbolPalette</name>
    <message>
        <source>전화기</source>
        <translation>Telephone</translation>
    </message>
    <message>
        <source>휴대폰</source>
        <translation>Mobile</translation>
    </message>
    <message>
        <source>삐삐</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>편지</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>집</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>회사</source>
        <translation>Work</translation>
    </message>
    <message>
        <source>하트</source>
        <translation>Heart</translation>
    </message>
    <message>
        <source>별</source>
        <translation>Star</translation>
    </message>
    <message>
        <source>음표</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>웃는 얼굴</source>
        <translation>Smiling face</translation>
    </message>
    <message>
        <source>기호</source>
        <translation>Symbols</translation>
    </message>
</context>
<context>
    <name>pdx::groups</name>
    <message>
        <source>휴대폰에 그룹을 추가할 수 없습니다.</source>
        <translation>The group cannot be added to the phone.</translation>
    </message>
    <message>
        <source>휴대폰의 그룹설정을 바꿀 수 없습니다.</source>
        <translation>The phone&apos;s group settings cannot be changed.</translation>
    </message>
    <message>
        <source>사람이 등록되어 있는 그룹은 삭제할 수 없습니다.</source>
        <translation>A group that has people in it cannot be deleted.</translation>
    </message>
    <message>
        <source>그룹을 삭제하시겠습니까?</source>
        <translation>Delete the group?</translation>
    </message>
    <message>
        <source>휴대폰의 그룹을 삭제할 수 없습니다.</source>
        <translation>The group cannot be deleted from the phone.</translation>
    </message>
    <message>
        <source>해당하는 그룹이 없습니다. 새로 만들까요?</source>
        <translation>There is no such group. Create it?</translation>
    </message>
</context>
<context>
    <name>pdx::melodies</name>
    <message>
        <source>멜로디를 연주할 수 없습니다.</source>
        <translation>The melody cannot be played.</translation>
    </message>
    <message>
        <source>멜로디를 지정할 수 없습니다.</source>
        <translation>The melody cannot be sent to the phone.</translation>
    </message>
    <message>
        <source>멜로디 편집기</source>
        <translation>Melody editor</translation>
    </message>
</context>
<context>
    <name>pdx::options</name>
    <message>
        <source>(1) 나만의 멜로디 1	(2) 나만의 멜로디 2	(3) 나만의 멜로디 3	(4) 벨 1	(5) 벨 2	(6) 벨 3	(7) 벨 4	(8) 벨 5	(9) 벨 6	(10) 벨 7	(11) 하이든 트럼펫	(12) 푸니쿨리 푸니쿨라	(13) 환상즉흥곡	(14) 엘리제를 위하여	(15) 유모레스크	(16) 파헬벨의 캐논	(17) 유술피리 변주	(18) 바흐 미뉴에트	(19) 사랑의 기쁨	(20) 복케리니 미뉴엣	(21) 빌헬름 텔 서곡	(22) 군밤타령	(23) 잘살아보세	(24) 밀양 아리랑	(25) 몽금포 타령	(26) 풍년가	(27) 징글벨	(28) 고요한밤 거룩한밤	(29) 축하하오 기쁜성탄	(30) 기쁘다 구주 오셨네</source>
        <translation>(1) My Melody 1	(2) My Melody 2	(3) My Melody 3	(4) Bell 1	(5) Bell 2	(6) Bell 3	(7) Bell 4	(8) Bell 5	(9) Bell 6	(10) Bell 7	(11) Haydn Trumpet	(12) Funiculì, Funiculà	(13) Fantaisie-Impromptu	(14) Für Elise	(15) Humoresque	(16) Pachelbel&apos;s Canon	(17) Magic Flute Variations	(18) Bach Minuet	(19) Plaisir d&apos;amour	(20) Boccherini Minuet	(21) William Tell Overture	(22) Gunbam Taryeong	(23) Jalsara Bose	(24) Miryang Arirang	(25) Monggeumpo Taryeong	(26) Pungnyeonga	(27) Jingle Bells	(28) Silent Night	(29) We Wish You a Merry Christmas	(30) Joy to the World</translation>
    </message>
    <message>
        <source>단문 메시지</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>메시지 도착 알람</source>
        <translation>Message alert</translation>
    </message>
    <message>
        <source>소리 안남	2번 울림	2분마다 울림</source>
        <translation>Silent	Ring twice	Every 2 minutes</translation>
    </message>
    <message>
        <source>벨/멜로디/진동</source>
        <translation>Bell/melody/vibration</translation>
    </message>
    <message>
        <source>벨/진동 선택</source>
        <translation>Bell or vibration</translation>
    </message>
    <message>
        <source>벨	진동	진동 후 벨</source>
        <translation>Bell	Vibration	Vibration, then bell</translation>
    </message>
    <message>
        <source>벨/멜로디 선택</source>
        <translation>Bell/melody</translation>
    </message>
    <message>
        <source>벨/멜로디 크기</source>
        <translation>Bell/melody volume</translation>
    </message>
    <message>
        <source>레벨1	레벨2	레벨3	레벨4	레벨5</source>
        <translation>Level 1	Level 2	Level 3	Level 4	Level 5</translation>
    </message>
    <message>
        <source>착신벨 횟수</source>
        <translation>Rings</translation>
    </message>
    <message>
        <source>계속 울림	벨1회만 울림	벨2회만 울림	벨3회만 울림</source>
        <translation>Keep ringing	Ring once	Ring twice	Ring 3 times</translation>
    </message>
    <message>
        <source>리모트 진동기능</source>
        <translation>Remote vibrator</translation>
    </message>
    <message>
        <source>착신 진동기능</source>
        <translation>Vibrate on call</translation>
    </message>
    <message>
        <source>분실 진동기능</source>
        <translation>Vibrate when lost</translation>
    </message>
    <message>
        <source>자동 응답기능</source>
        <translation>Answering</translation>
    </message>
    <message>
        <source>자동응답 설정/해제</source>
        <translation>Auto answer</translation>
    </message>
    <message>
        <source>자동응답벨 횟수</source>
        <translation>Rings before answer</translation>
    </message>
    <message>
        <source>즉시 자동응답	진동1회 울림	벨1회 울림	벨2회 울림</source>
        <translation>Answer at once	Vibrate once	Ring once	Ring twice</translation>
    </message>
    <message>
        <source>안내음성선택</source>
        <translation>Greeting</translation>
    </message>
    <message>
        <source>일반	운전중	회의중	사용자음성</source>
        <translation>Normal	Driving	In a meeting	Own voice</translation>
    </message>
    <message>
        <source>키톤/경보음</source>
        <translation>Key tones/alerts</translation>
    </message>
    <message>
        <source>키톤크기</source>
        <translation>Key tone volume</translation>
    </message>
    <message>
        <source>무음	레벨1	레벨2	레벨3	레벨4	레벨5</source>
        <translation>Silent	Level 1	Level 2	Level 3	Level 4	Level 5</translation>
    </message>
    <message>
        <source>통화연결음</source>
        <translation>Connect tone</translation>
    </message>
    <message>
        <source>통화 1분경과음</source>
        <translation>Minute minder</translation>
    </message>
    <message>
        <source>서비스이탈경보</source>
        <translation>Out-of-service alert</translation>
    </message>
    <message>
        <source>부가 기능</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>자동지역번호</source>
        <translation>Auto area code</translation>
    </message>
    <message>
        <source>국제전화번호</source>
        <translation>International prefix</translation>
    </message>
    <message>
        <source>자동 재다이얼</source>
        <translation>Auto redial</translation>
    </message>
    <message>
        <source>자동 조명기능</source>
        <translation>Auto backlight</translation>
    </message>
    <message>
        <source>자동 착신기능</source>
        <translation>Auto receive</translation>
    </message>
    <message>
        <source>통화중녹음재생</source>
        <translation>In-call recording</translation>
    </message>
    <message>
        <source>잠금 기능</source>
        <translation>Locks</translation>
    </message>
    <message>
        <source>자동잠금</source>
        <translation>Auto lock</translation>
    </message>
    <message>
        <source>국제전화잠금</source>
        <translation>International call lock</translation>
    </message>
    <message>
        <source>전화부잠금</source>
        <translation>Phonebook lock</translation>
    </message>
    <message>
        <source>메뉴잠금</source>
        <translation>Menu lock</translation>
    </message>
    <message>
        <source>최근발신잠금</source>
        <translation>Recent calls lock</translation>
    </message>
    <message>
        <source>환경 설정</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>리모트 진동기 ID</source>
        <translation>Remote vibrator ID</translation>
    </message>
    <message>
        <source>애니메이션 표시</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>OFF	기본 애니메이션	사용자 지정</source>
        <translation>OFF	Built-in animation	User&apos;s own</translation>
    </message>
    <message>
        <source>대기모드 화면</source>
        <translation>Standby screen</translation>
    </message>
    <message>
        <source>시계	사용자 그림1	사용자 그림2	사용자 그림3</source>
        <translation>Clock	Picture 1	Picture 2	Picture 3</translation>
    </message>
    <message>
        <source>초기화면 입력</source>
        <translation>Welcome text</translation>
    </message>
    <message>
        <source>비밀번호 변경</source>
        <translation>Change password</translation>
    </message>
    <message>
        <source>비밀번호는 숫자로 네자를 입력해야 합니다.</source>
        <translation>The password must be four digits.</translation>
    </message>
    <message>
        <source>리모트 진동기 ID는 숫자로 세자를 입력해야 합니다.</source>
        <translation>The remote vibrator ID must be three digits.</translation>
    </message>
    <message>
        <source>값을 입력할 수 없는 항목입니다.</source>
        <translation>This item takes no typed value.</translation>
    </message>
    <message>
        <source>%1는 숫자로 %2자까지 입력할 수 있습니다.</source>
        <translation>%1 takes up to %2 digits.</translation>
    </message>
    <message>
        <source>%1 항목은 %2바이트까지 입력할 수 있습니다.</source>
        <translation>%1 takes up to %2 bytes.</translation>
    </message>
    <message>
        <source>휴대폰에서 환경 설정을 받지 못해 지정할 수 없습니다.</source>
        <translation>The settings were not received from the phone, so they cannot be sent.</translation>
    </message>
    <message>
        <source>휴대폰에 지정할 수 없습니다.</source>
        <translation>The settings cannot be sent to the phone.</translation>
    </message>
</context>
<context>
    <name>pdx::pelodex</name>
    <message>
        <source>메모리나 시스템자원이 부족합니다</source>
        <translation>Not enough memory or system resources</translation>
    </message>
    <message>
        <source>%1 실행파일을 찾을 수 없습니다</source>
        <translation>The %1 program cannot be found</translation>
    </message>
    <message>
        <source>%1 실행파일에 이상이 있습니다</source>
        <translation>The %1 program file is damaged</translation>
    </message>
    <message>
        <source>문제가 발생하여 %1 프로그램을 실행할 수 없습니다</source>
        <translation>A problem stops the %1 program from starting</translation>
    </message>
    <message>
        <source>전화접속 네트워킹이 설치되어 있지 않습니다.
Pelodex CD에서 데이터서비스 설치를 참조하여
전화접속네트워킹을 설치하신후 전화접속네트워킹에
QZ Telecom을 설치하시기 바랍니다.</source>
        <translation>Dial-up networking is not installed.
Follow the data service setup on the Pelodex CD
to install dial-up networking, then add
QZ Telecom to it.</translation>
    </message>
    <message>
        <source>전화접속 네트워킹에 QZ Telecom이 등록되어 있지 않습니다.
Pelodex CD에서 데이터서비스 설치를 참조하여
QZ Telecom을 설치하시기 바랍니다.</source>
        <translation>QZ Telecom is not set up in dial-up networking.
Follow the data service setup on the Pelodex CD
to install QZ Telecom.</translation>
    </message>
    <message>
        <source>Pelodex가 이미 실행 중입니다.</source>
        <translation>Pelodex is already running.</translation>
    </message>
    <message>
        <source>프로그램을 종료하시겠습니까?</source>
        <translation>Exit the program?</translation>
    </message>
    <message>
        <source>Pelodex: 알 수 없는 인수를 무시합니다: %1</source>
        <translation>Pelodex: ignoring unknown argument: %1</translation>
    </message>
</context>
<context>
    <name>pdx::phonebook</name>
    <message>
        <source>휴대폰에 전화번호를 쓰고 있습니다.</source>
        <translation>Writing numbers to the phone.</translation>
    </message>
    <message>
        <source>%1번째 줄 %2: %3</source>
        <translation>Line %1 %2: %3</translation>
    </message>
    <message>
        <source>그 밖에 %1건</source>
        <translation>%1 more</translation>
    </message>
    <message>
        <source>전화번호를 읽을 수 있는 글자 파일이 아닙니다. 아무것도 추가하지 않았습니다.</source>
        <translation>This is not a text file with phone numbers. Nothing was added.</translation>
    </message>
    <message>
        <source>파일 형식이 잘못되어 있습니다.</source>
        <translation>The file&apos;s format is wrong.</translation>
    </message>
    <message>
        <source>%1건을 추가했고 %2건을 건너뛰었습니다.</source>
        <translation>Added %1, skipped %2.</translation>
    </message>
    <message>
        <source>휴대폰에 전화번호를 추가할 수 없습니다.</source>
        <translation>The number cannot be added to the phone.</translation>
    </message>
    <message>
        <source>휴대폰의 전화번호를 수정할 수 없습니다.</source>
        <translation>The number on the phone cannot be modified.</translation>
    </message>
    <message>
        <source>휴대폰에 전화번호를 삭제할 수 없습니다.</source>
        <translation>The number cannot be deleted from the phone.</translation>
    </message>
    <message>
        <source>휴대폰에 전화번호를 옮길 수 없습니다.</source>
        <translation>The number cannot be moved to the phone.</translation>
    </message>
    <message>
        <source>휴대폰에 더이상 전화번호를 추가할 수 없습니다.</source>
        <translation>No more numbers can be added to the phone.</translation>
    </message>
    <message>
        <source>전화번호와 연결된 단축다이얼을 삭제할 수 없습니다.</source>
        <translation>The speed dial of this number cannot be deleted.</translation>
    </message>
    <message>
        <source>전화번호부에는 200,000건까지 넣을 수 있습니다.</source>
        <translation>The phonebook holds up to 200,000 entries.</translation>
    </message>
    <message>
        <source>같은 이름이 이미 존재하고 있습니다</source>
        <translation>The same name already exists</translation>
    </message>
    <message>
        <source>&quot;%1&quot; 전화번호를 삭제하시겠습니까?</source>
        <translation>Delete &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>선택한 전화번호를 모두 삭제하시겠습니까?</source>
        <translation>Delete all the selected entries?</translation>
    </message>
    <message>
        <source>찾는 항목이 등록되어 있지 않습니다.</source>
        <translation>No entry matches.</translation>
    </message>
    <message>
        <source>더 이상 찾을 수 없습니다.</source>
        <translation>No more matches.</translation>
    </message>
    <message>
        <source>완성형 한글 코드에 없는 문자를 ?로 바꾸었습니다</source>
        <translation>Characters outside the Korean code page became ?</translation>
    </message>
    <message>
        <source>그룹을 만들 수 없어 그룹 없이 넣었습니다</source>
        <translation>The group could not be created; added without a group</translation>
    </message>
    <message>
        <source>%1 번호가 32자보다 길어 넣지 않았습니다: %2</source>
        <translation>%1 number longer than 32 characters left out: %2</translation>
    </message>
    <message>
        <source>이름이 없습니다</source>
        <translation>no name</translation>
    </message>
    <message>
        <source>전화번호가 없습니다</source>
        <translation>no number</translation>
    </message>
    <message>
        <source>같은 이름이 이미 있습니다</source>
        <translation>the same name exists</translation>
    </message>
    <message>
        <source>전화번호부가 가득 찼습니다(200,000건)</source>
        <translation>the phonebook is full (200,000 entries)</translation>
    </message>
    <message>
        <source>건너뜀: %1</source>
        <translation>Skipped: %1</translation>
    </message>
    <message>
        <source>비밀</source>
        <translation>Secret</translation>
    </message>
    <message>
        <source>일반</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>휴대폰에 그룹을 추가할 수 없습니다.</source>
        <translation>The group cannot be added to the phone.</translation>
    </message>
    <message>
        <source>%1 그룹의 비밀설정이 PC와 휴대폰에 다르게 지정되어 있습니다.</source>
        <translation>Group %1 is secret on one side only (PC and phone differ).</translation>
    </message>
    <message>
        <source>%1 그룹의 멜로디설정이 PC와 휴대폰에 다르게 지정되어 있습니다.</source>
        <translation>Group %1 has a different ring tone on the PC and the phone.</translation>
    </message>
    <message>
        <source>휴대폰의 그룹 속성을 수정할 수 없습니다.</source>
        <translation>The group on the phone cannot be modified.</translation>
    </message>
    <message>
        <source>%1의 그룹이 PC와 휴대폰에 다르게 지정되어 있습니다.</source>
        <translation>%1 is in different groups on the PC and the phone.</translation>
    </message>
    <message>
        <source>%1의 %2 전화번호가 PC와 휴대폰에 다르게 입력되어 있습니다.</source>
        <translation>%1&apos;s %2 number differs between the PC and the phone.</translation>
    </message>
    <message>
        <source>전화번호로 쓸 수 없는 번호를 넣지 않았습니다: %1</source>
        <translation>Left out a value that is not a phone number: %1</translation>
    </message>
    <message>
        <source>번호를 넣을 칸이 없어 넣지 않았습니다: %1</source>
        <translation>No free number field; left out: %1</translation>
    </message>
    <message>
        <source>파일이 카드의 끝(END:VCARD) 없이 끝났습니다</source>
        <translation>The file ended without the card&apos;s end (END:VCARD)</translation>
    </message>
</context>
<context>
    <name>pdx::printing</name>
    <message>
        <source>전화번호부</source>
        <translation>Phonebook</translation>
    </message>
    <message>
        <source>프린터를 열 수 없습니다.</source>
        <translation>The printer cannot be opened.</translation>
    </message>
    <message>
        <source>인쇄 도중에 에러가 발생하였습니다.</source>
        <translation>An error occurred while printing.</translation>
    </message>
    <message>
        <source>문자 메시지 확인</source>
        <translation>Received Messages</translation>
    </message>
    <message>
        <source>문자 메시지 발신</source>
        <translation>Sent Messages</translation>
    </message>
</context>
<context>
    <name>pdx::sms</name>
    <message>
        <source>단문은 10개까지 저장할 수 있습니다.</source>
        <translation>Up to 10 messages can be stored.</translation>
    </message>
    <message>
        <source>읽음 표시를 할 수 없습니다.</source>
        <translation>The message cannot be marked as read.</translation>
    </message>
    <message>
        <source>단문은 10개까지 저장할 수 있습니다. 답장을 쓸 수 없습니다.</source>
        <translation>Up to 10 messages can be stored. No reply can be written.</translation>
    </message>
    <message>
        <source>단문을 저장할 수 없습니다.</source>
        <translation>The message cannot be saved.</translation>
    </message>
    <message>
        <source>단문을 보낼 수 없습니다.</source>
        <translation>The message cannot be sent.</translation>
    </message>
    <message>
        <source>단문을 추가할 수 없습니다.</source>
        <translation>The message cannot be added.</translation>
    </message>
    <message>
        <source>단문을 수정할 수 없습니다.</source>
        <translation>The message cannot be modified.</translation>
    </message>
    <message>
        <source>메시지를 삭제하시겠습니까?</source>
        <translation>Delete the message?</translation>
    </message>
    <message>
        <source>단문을 지울 수 없습니다.</source>
        <translation>The message cannot be removed.</translation>
    </message>
    <message>
        <source>단문을 삭제할 수 없습니다.</source>
        <translation>The message cannot be deleted.</translation>
    </message>
    <message>
        <source>파일의 %1번째 메시지는 시간이 달력에 없거나 휴대폰이 저장할 수 없는 해여서 지금 시각의 메시지로 읽었습니다.</source>
        <translation>Message %1 of the file has a time the calendar or the phone cannot hold; it was read with the current time.</translation>
    </message>
    <message>
        <source>발신번호 : %1</source>
        <translation>From: %1</translation>
    </message>
    <message>
        <source>수신시간 : %1</source>
        <translation>Received: %1</translation>
    </message>
    <message>
        <source>저장시간 : %1</source>
        <translation>Stored: %1</translation>
    </message>
    <message>
        <source>수신번호</source>
        <translation>To</translation>
    </message>
    <message>
        <source>회신번호</source>
        <translation>Call back</translation>
    </message>
    <message>
        <source>남은 글자 : %1</source>
        <translation>Characters left: %1</translation>
    </message>
</context>
<context>
    <name>pdx::speeddial</name>
    <message>
        <source>단축다이얼 번호는 1에서 99 사이로 입력하세요.</source>
        <translation>Enter a speed dial number from 1 to 99.</translation>
    </message>
    <message>
        <source>단축다이얼을 지정할 수 없습니다</source>
        <translation>The speed dial cannot be assigned</translation>
    </message>
    <message>
        <source>단축다이얼 %1번을 삭제하시겠습니까?</source>
        <translation>Delete speed dial %1?</translation>
    </message>
    <message>
        <source>단축다이얼을 삭제할 수 없습니다</source>
        <translation>The speed dial cannot be deleted</translation>
    </message>
    <message>
        <source>단축다이얼을 이동할 수 없습니다</source>
        <translation>The speed dial cannot be moved</translation>
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
</TS>
