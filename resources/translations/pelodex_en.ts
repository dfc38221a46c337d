<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ko">
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
    <message>
        <source>[취소]를 누르면 휴대폰 없이 사용합니다.</source>
        <translation>Press [Cancel] to work without the phone.</translation>
    </message>
    <message>
        <source>휴대폰을 찾고 있습니다. 잠시만 기다려주세요.</source>
        <translation>Looking for the phone. Please wait.</translation>
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
<context>
    <name>Skin</name>
    <message>
        <source>휴대폰 연결됨</source>
        <translation>Phone connected</translation>
    </message>
    <message>
        <source>휴대폰 연결 안됨</source>
        <translation>Phone not connected</translation>
    </message>
    <message>
        <source>휴대폰 찾는 중</source>
        <translation>Looking for phone</translation>
    </message>
    <message>
        <source>데이터 전송 중</source>
        <translation>Transferring data</translation>
    </message>
    <message>
        <source>비밀번호 입력</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>시작메뉴</source>
        <translation>Start menu</translation>
    </message>
    <message>
        <source>단문 메시지</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>문자 메시지 확인</source>
        <translation>Received Messages</translation>
    </message>
    <message>
        <source>문자 메시지 발신</source>
        <translation>Sent Messages</translation>
    </message>
    <message>
        <source>다이어리 전화번호부</source>
        <translation>Diary Phonebook</translation>
    </message>
    <message>
        <source>단축 다이얼 편집</source>
        <translation>Speed dials</translation>
    </message>
    <message>
        <source>나만의 멜로디 지정</source>
        <translation>My melodies</translation>
    </message>
    <message>
        <source>애니메이션 지정</source>
        <translation>Animations</translation>
    </message>
    <message>
        <source>알람 지정</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>휴대폰 환경 설정</source>
        <translation>Phone settings</translation>
    </message>
    <message>
        <source>도움말</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>멜로디 편집기</source>
        <translation>Melody Editor</translation>
    </message>
    <message>
        <source>애니메이션 편집기</source>
        <translation>Animation Editor</translation>
    </message>
    <message>
        <source>확인</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>종료</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>휴대폰 없이 사용</source>
        <translation>Use without phone</translation>
    </message>
    <message>
        <source>단문 메시지 주고받기</source>
        <translation>Send and read messages</translation>
    </message>
    <message>
        <source>데이터 서비스 연결</source>
        <translation>Data service</translation>
    </message>
    <message>
        <source>연주</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>1번</source>
        <translation>No. 1</translation>
    </message>
    <message>
        <source>2번</source>
        <translation>No. 2</translation>
    </message>
    <message>
        <source>3번</source>
        <translation>No. 3</translation>
    </message>
    <message>
        <source>편집기</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>정지</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>이전</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>미리보기</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>새파일</source>
        <translation>New</translation>
    </message>
    <message>
        <source>열기</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>저장</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>새 멜로디</source>
        <translation>New melody</translation>
    </message>
    <message>
        <source>멜로디 이름 바꾸기</source>
        <translation>Rename melody</translation>
    </message>
    <message>
        <source>멜로디 삭제</source>
        <translation>Delete melody</translation>
    </message>
    <message>
        <source>일시 정지</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>마디</source>
        <translation>Bar line</translation>
    </message>
    <message>
        <source>점음표</source>
        <translation>Dotted note</translation>
    </message>
    <message>
        <source>온음표</source>
        <translation>Whole note</translation>
    </message>
    <message>
        <source>2분음표</source>
        <translation>Half note</translation>
    </message>
    <message>
        <source>4분음표</source>
        <translation>Quarter note</translation>
    </message>
    <message>
        <source>8분음표</source>
        <translation>Eighth note</translation>
    </message>
    <message>
        <source>16분음표</source>
        <translation>Sixteenth note</translation>
    </message>
    <message>
        <source>32분음표</source>
        <translation>Thirty-second note</translation>
    </message>
    <message>
        <source>온쉼표</source>
        <translation>Whole rest</translation>
    </message>
    <message>
        <source>2분쉼표</source>
        <translation>Half rest</translation>
    </message>
    <message>
        <source>4분쉼표</source>
        <translation>Quarter rest</translation>
    </message>
    <message>
        <source>8분쉼표</source>
        <translation>Eighth rest</translation>
    </message>
    <message>
        <source>16분쉼표</source>
        <translation>Sixteenth rest</translation>
    </message>
    <message>
        <source>32분쉼표</source>
        <translation>Thirty-second rest</translation>
    </message>
    <message>
        <source>왼쪽 도돌이표</source>
        <translation>Start repeat</translation>
    </message>
    <message>
        <source>오른쪽 도돌이표</source>
        <translation>End repeat</translation>
    </message>
    <message>
        <source>올림표</source>
        <translation>Sharp</translation>
    </message>
    <message>
        <source>내림표</source>
        <translation>Flat</translation>
    </message>
    <message>
        <source>제자리표</source>
        <translation>Natural</translation>
    </message>
    <message>
        <source>반음 올림</source>
        <translation>Semitone up</translation>
    </message>
    <message>
        <source>반음 내림</source>
        <translation>Semitone down</translation>
    </message>
    <message>
        <source>커서 앞 음표 삭제</source>
        <translation>Delete note before cursor</translation>
    </message>
    <message>
        <source>커서 위치 음표 삭제</source>
        <translation>Delete note at cursor</translation>
    </message>
    <message>
        <source>복사</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>잘라내기</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>붙여넣기</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>새 애니메이션</source>
        <translation>New animation</translation>
    </message>
    <message>
        <source>애니메이션 이름 바꾸기</source>
        <translation>Rename animation</translation>
    </message>
    <message>
        <source>애니메이션 삭제</source>
        <translation>Delete animation</translation>
    </message>
    <message>
        <source>애니메이션 시작</source>
        <translation>Start animation</translation>
    </message>
    <message>
        <source>애니메이션 중지</source>
        <translation>Stop animation</translation>
    </message>
    <message>
        <source>그림읽기</source>
        <translation>Import picture</translation>
    </message>
    <message>
        <source>실행 취소</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>다시 실행</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>사각형</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>타원</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>점</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>직선</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>채우기</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>글자</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>영역 선택</source>
        <translation>Select area</translation>
    </message>
    <message>
        <source>스프레이</source>
        <translation>Spray</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>예</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>아니오</source>
        <translation>No</translation>
    </message>
    <message>
        <source>재시도</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>알림</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>새 파일</source>
        <translation>New file</translation>
    </message>
    <message>
        <source>파일 열기</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>파일 저장</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>프로그램 종료</source>
        <translation>Exit program</translation>
    </message>
    <message>
        <source>삭제 확인</source>
        <translation>Confirm delete</translation>
    </message>
    <message>
        <source>음정 바꾸기</source>
        <translation>Transpose</translation>
    </message>
    <message>
        <source>휴대폰 비밀번호 4자리를 입력하세요.</source>
        <translation>Enter the phone&apos;s four-digit password.</translation>
    </message>
    <message>
        <source>파일</source>
        <translation>File</translation>
    </message>
    <message>
        <source>멜로디</source>
        <translation>Melody</translation>
    </message>
    <message>
        <source>템포</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>조성</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>애니메이션</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>효과</source>
        <translation>Effect</translation>
    </message>
    <message>
        <source>일</source>
        <translation>D</translation>
    </message>
    <message>
        <source>주</source>
        <translation>W</translation>
    </message>
    <message>
        <source>월</source>
        <translation>M</translation>
    </message>
    <message>
        <source>년</source>
        <translation>Y</translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source>멜로디 편집기</source>
        <translation>Melody Editor</translation>
    </message>
    <message>
        <source>애니메이션 편집기</source>
        <translation>Animation Editor</translation>
    </message>
</context>
<context>
    <name>pdx::DocResult</name>
    <message>
        <source>완료되었습니다.</source>
        <translation>Done.</translation>
    </message>
    <message>
        <source>파일을 열 수 없습니다.</source>
        <translation>Cannot open the file.</translation>
    </message>
    <message>
        <source>데이터 파일이 없습니다. 백업 파일이 있습니다.</source>
        <translation>The data file is missing. There is a backup file.</translation>
    </message>
    <message>
        <source>지원하지 않는 종류의 파일입니다.</source>
        <translation>This kind of file is not supported.</translation>
    </message>
    <message>
        <source>지원하지 않는 버전의 파일입니다.</source>
        <translation>This file version is not supported.</translation>
    </message>
    <message>
        <source>지원하지 않는 형식의 파일입니다.</source>
        <translation>This file format is not supported.</translation>
    </message>
    <message>
        <source>파일을 읽는 도중에 에러가 발생하였습니다.</source>
        <translation>An error occurred while reading the file.</translation>
    </message>
    <message>
        <source>파일을 만들 수 없습니다.</source>
        <translation>Cannot create the file.</translation>
    </message>
    <message>
        <source>파일을 쓰는 도중에 에러가 발생하였습니다.</source>
        <translation>An error occurred while writing the file.</translation>
    </message>
    <message>
        <source>알 수 없는 에러가 발생하였습니다.</source>
        <translation>An unknown error occurred.</translation>
    </message>
</context>
<context>
    <name>pdx::InputFile</name>
    <message>
        <source>완료되었습니다.</source>
        <translation>Done.</translation>
    </message>
    <message>
        <source>파일을 열 수 없습니다.</source>
        <translation>Cannot open the file.</translation>
    </message>
    <message>
        <source>일반 파일이 아닙니다.</source>
        <translation>Not a regular file.</translation>
    </message>
    <message>
        <source>파일이 너무 큽니다.</source>
        <translation>The file is too large.</translation>
    </message>
    <message>
        <source>파일을 읽는 도중에 에러가 발생하였습니다.</source>
        <translation>An error occurred while reading the file.</translation>
    </message>
    <message>
        <source>파일을 읽을 수 없습니다.</source>
        <translation>Cannot read the file.</translation>
    </message>
</context>
<context>
    <name>pdx::LastResort</name>
    <message>
        <source>내부 오류로 프로그램을 끝냅니다.</source>
        <translation>Internal error; the program stops.</translation>
    </message>
</context>
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
    <name>pdx::animation::EditorCommands</name>
    <message>
        <source>새 애니메이션을 만듭니다.</source>
        <translation>Creates a new animation.</translation>
    </message>
    <message>
        <source>현재 편집중인 애니메이션을 삭제합니다.</source>
        <translation>Deletes the animation being edited.</translation>
    </message>
    <message>
        <source>현재 편집중인 애니메이션의 이름을 바꿉니다.</source>
        <translation>Renames the animation being edited.</translation>
    </message>
    <message>
        <source>외부의 그림파일을 읽어 들입니다.</source>
        <translation>Imports a picture file.</translation>
    </message>
    <message>
        <source>새 애니메이션을 파일을 만듭니다.</source>
        <translation>Creates a new animation file.</translation>
    </message>
    <message>
        <source>애니메이션 파일을 읽어들입니다.</source>
        <translation>Opens an animation file.</translation>
    </message>
    <message>
        <source>애니메이션 파일을 저장합니다.</source>
        <translation>Saves the animation file.</translation>
    </message>
    <message>
        <source>도움말을 봅니다.</source>
        <translation>Shows the help.</translation>
    </message>
    <message>
        <source>애니메이션 편집기 프로그램을 종료합니다.</source>
        <translation>Exits the Animation Editor.</translation>
    </message>
    <message>
        <source>애니메이션을 시작합니다.</source>
        <translation>Starts the animation.</translation>
    </message>
    <message>
        <source>애니메이션을 중지합니다.</source>
        <translation>Stops the animation.</translation>
    </message>
    <message>
        <source>마지막으로 한 편집을 취소합니다.</source>
        <translation>Undoes the last edit.</translation>
    </message>
    <message>
        <source>이전에 취소한 편집을 다시 실행합니다.</source>
        <translation>Redoes the edit last undone.</translation>
    </message>
    <message>
        <source>블록을 지정합니다.</source>
        <translation>Selects a block.</translation>
    </message>
    <message>
        <source>점을 찍습니다. 왼쪽버튼은 검은색 오른쪽 버튼은 흰색입니다.</source>
        <translation>Draws points. The left button draws black, the right button white.</translation>
    </message>
    <message>
        <source>선을 긋습니다. 왼쪽버튼은 검은색 오른쪽 버튼은 흰색입니다.</source>
        <translation>Draws lines. The left button draws black, the right button white.</translation>
    </message>
    <message>
        <source>네모를 그립니다. 왼쪽버튼은 검은색 오른쪽 버튼은 흰색입니다.</source>
        <translation>Draws rectangles. The left button draws black, the right button white.</translation>
    </message>
    <message>
        <source>원을 그립니다. 왼쪽버튼은 검은색 오른쪽 버튼은 흰색입니다.</source>
        <translation>Draws ellipses. The left button draws black, the right button white.</translation>
    </message>
    <message>
        <source>위치를 지정하여 글자를 입력합니다. 왼쪽버튼은 검은색 오른쪽 버튼은 흰색입니다.</source>
        <translation>Types text where you click. The left button draws black, the right button white.</translation>
    </message>
    <message>
        <source>스프레이로 칠합니다. 왼쪽버튼은 검은색 오른쪽 버튼은 흰색입니다.</source>
        <translation>Sprays. The left button draws black, the right button white.</translation>
    </message>
    <message>
        <source>영역을 지정한 색으로 채웁니다. 왼쪽버튼은 검은색 오른쪽 버튼은 흰색입니다.</source>
        <translation>Fills an area. The left button draws black, the right button white.</translation>
    </message>
</context>
<context>
    <name>pdx::animation::EditorSession</name>
    <message>
        <source>애니메이션을 저장할 수 없습니다.</source>
        <translation>Cannot save the animation.</translation>
    </message>
    <message>
        <source>같은 이름의 애니메이션이 있습니다.</source>
        <translation>An animation with this name already exists.</translation>
    </message>
    <message>
        <source>이 파일이 애니메이션 폴더에 있지 않습니다.
애니메이션 폴더로 옮길까요?</source>
        <translation>This file is not in the animation folder.
Move it to the animation folder?</translation>
    </message>
    <message>
        <source>같은 이름을 가진 애니메이션 파일이 있습니다. 덮어쓸까요?</source>
        <translation>An animation file with the same name exists. Overwrite it?</translation>
    </message>
    <message>
        <source>애니메이션이 변경되었습니다. 저장하시겠습니까?</source>
        <translation>The animation has changed. Save it?</translation>
    </message>
    <message>
        <source>파일이 이미 있습니다. 덮어쓸까요?</source>
        <translation>The file already exists. Overwrite it?</translation>
    </message>
    <message>
        <source>프로그램을 종료하시겠습니까?</source>
        <translation>Exit the program?</translation>
    </message>
    <message>
        <source>애니메이션은 하나 이상 등록되어 있어야 합니다.</source>
        <translation>There must be at least one animation.</translation>
    </message>
    <message>
        <source>애니메이션을 삭제하시겠습니까?</source>
        <translation>Delete the animation?</translation>
    </message>
</context>
<context>
    <name>pdx::animation::Effects</name>
    <message>
        <source>왼쪽에서 오른쪽으로 이동</source>
        <translation>Move left to right</translation>
    </message>
    <message>
        <source>오른쪽에서 왼쪽으로 이동</source>
        <translation>Move right to left</translation>
    </message>
    <message>
        <source>위에서 아래로 이동</source>
        <translation>Move top to bottom</translation>
    </message>
    <message>
        <source>아래에서 위로 이동</source>
        <translation>Move bottom to top</translation>
    </message>
    <message>
        <source>가운데서 상하로 펼치기</source>
        <translation>Open from the middle</translation>
    </message>
    <message>
        <source>위에서 아래로 펼치기</source>
        <translation>Unroll downwards</translation>
    </message>
    <message>
        <source>아래서 위로 펼치기</source>
        <translation>Unroll upwards</translation>
    </message>
    <message>
        <source>위에서 아래로 흘리기</source>
        <translation>Pour downwards</translation>
    </message>
    <message>
        <source>아래에서 위로 흘리기</source>
        <translation>Pour upwards</translation>
    </message>
    <message>
        <source>점점이 나타나기</source>
        <translation>Dissolve in</translation>
    </message>
    <message>
        <source>왼쪽에서 오른쪽으로 회전</source>
        <translation>Turn left to right</translation>
    </message>
    <message>
        <source>오른쪽에서 왼쪽으로 회전</source>
        <translation>Turn right to left</translation>
    </message>
    <message>
        <source>위에서 아래로 회전</source>
        <translation>Turn top to bottom</translation>
    </message>
    <message>
        <source>아래에서 위로 회전</source>
        <translation>Turn bottom to top</translation>
    </message>
    <message>
        <source>2조각 애니메이션</source>
        <translation>2 pieces</translation>
    </message>
    <message>
        <source>2x2조각 애니메이션</source>
        <translation>2x2 pieces</translation>
    </message>
    <message>
        <source>3조각 애니메이션</source>
        <translation>3 pieces</translation>
    </message>
    <message>
        <source>3x3조각 애니메이션</source>
        <translation>3x3 pieces</translation>
    </message>
    <message>
        <source>4조각 애니메이션</source>
        <translation>4 pieces</translation>
    </message>
    <message>
        <source>4x4조각 애니메이션</source>
        <translation>4x4 pieces</translation>
    </message>
    <message>
        <source>가운데로 오므리기</source>
        <translation>Close to the middle</translation>
    </message>
    <message>
        <source>아래에서 위로 오므리기</source>
        <translation>Close upwards</translation>
    </message>
    <message>
        <source>위에서 아래로 오므리기 </source>
        <translation>Close downwards</translation>
    </message>
    <message>
        <source>아래에서 위로 흘려 지우기</source>
        <translation>Wipe upwards</translation>
    </message>
    <message>
        <source>위에서 아래로 흘려 지우기</source>
        <translation>Wipe downwards</translation>
    </message>
    <message>
        <source>점점이 지우기</source>
        <translation>Dissolve out</translation>
    </message>
</context>
<context>
    <name>pdx::animation::FileMessages</name>
    <message>
        <source>애니메이션 파일을 찾을 수 없습니다.</source>
        <translation>Cannot find the animation file.</translation>
    </message>
    <message>
        <source>애니메이션 파일이 아닙니다.</source>
        <translation>Not an animation file.</translation>
    </message>
    <message>
        <source>이 파일 버전은 지원하지 않습니다.</source>
        <translation>This file version is not supported.</translation>
    </message>
    <message>
        <source>애니메이션을 읽어들일 수 없습니다.</source>
        <translation>Cannot read the animation.</translation>
    </message>
    <message>
        <source>애니메이션을 저장할 수 없습니다.</source>
        <translation>Cannot save the animation.</translation>
    </message>
</context>
<context>
    <name>pdx::animation::ImportImage</name>
    <message>
        <source>그림 파일이 아니거나 지원하지 않는 포맷입니다.
가져올 수 있는 그림: .bmp(1·4·8·24비트, 압축 없음), .gif, .jpg(CMYK 포함)</source>
        <translation>Not a picture file, or a format that is not supported.
Pictures that can be imported: .bmp (1, 4, 8 or 24 bits, uncompressed), .gif, .jpg (CMYK included)</translation>
    </message>
    <message>
        <source>그림 파일을 읽어들일 수 없습니다.
가져올 수 있는 그림: .bmp(1·4·8·24비트, 압축 없음), .gif, .jpg(CMYK 포함)</source>
        <translation>Cannot read the picture file.
Pictures that can be imported: .bmp (1, 4, 8 or 24 bits, uncompressed), .gif, .jpg (CMYK included)</translation>
    </message>
    <message>
        <source>메모리가 부족하여 작업을 수행할 수 없습니다.</source>
        <translation>Not enough memory to do this.</translation>
    </message>
    <message>
        <source>%1 파일을 열 수 없습니다.
</source>
        <translation>Cannot open the file %1.
</translation>
    </message>
    <message>
        <source>JPEG 파일을 읽어들일 때 에러가 발생하였습니다.</source>
        <translation>An error occurred while reading the JPEG file.</translation>
    </message>
</context>
<context>
    <name>pdx::animation::ui</name>
    <message>
        <source>효과 미리보기</source>
        <translation>Effect preview</translation>
    </message>
    <message>
        <source>그림</source>
        <translation>Picture</translation>
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
        <translation>Animation Editor</translation>
    </message>
</context>
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
    <message>
        <source>휴대폰과의 연결이 끊어졌습니다. 케이블을 확인하세요.</source>
        <translation>The connection to the phone was lost. Check the cable.</translation>
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
    <name>pdx::carrowin::MelodyWindow</name>
    <message>
        <source>새 멜로디를 입력합니다.</source>
        <translation>Adds a new melody.</translation>
    </message>
    <message>
        <source>현재 멜로디를 삭제합니다.</source>
        <translation>Deletes the current melody.</translation>
    </message>
    <message>
        <source>현재 멜로디의 이름을 바꿉니다.</source>
        <translation>Renames the current melody.</translation>
    </message>
    <message>
        <source>음정을 반음 올립니다.</source>
        <translation>Raises the pitch a semitone.</translation>
    </message>
    <message>
        <source>음정을 반음 낮춥니다.</source>
        <translation>Lowers the pitch a semitone.</translation>
    </message>
    <message>
        <source>마디를 입력합니다.</source>
        <translation>Enters a bar line.</translation>
    </message>
    <message>
        <source>커서 이전 위치의 음표를 삭제합니다.</source>
        <translation>Deletes the note before the cursor.</translation>
    </message>
    <message>
        <source>커서 위치의 음표를 삭제합니다.</source>
        <translation>Deletes the note at the cursor.</translation>
    </message>
    <message>
        <source>선택한 악보를 클립보드에 복사합니다.</source>
        <translation>Copies the selected notes to the clipboard.</translation>
    </message>
    <message>
        <source>선택한 악보를 클립보드에 잘라 넣습니다.</source>
        <translation>Cuts the selected notes to the clipboard.</translation>
    </message>
    <message>
        <source>현재 위치에 클립보드의 악보를 끼워 넣습니다.</source>
        <translation>Inserts the notes on the clipboard at the cursor.</translation>
    </message>
    <message>
        <source>멜로디를 연주합니다.</source>
        <translation>Plays the melody.</translation>
    </message>
    <message>
        <source>멜로디를 일시 정지합니다.</source>
        <translation>Pauses the melody.</translation>
    </message>
    <message>
        <source>멜로디 연주를 중지합니다.</source>
        <translation>Stops playing the melody.</translation>
    </message>
    <message>
        <source>멜로디의 맨 처음으로 갑니다.</source>
        <translation>Goes to the start of the melody.</translation>
    </message>
    <message>
        <source>온음표를 입력합니다.</source>
        <translation>Enters a whole note.</translation>
    </message>
    <message>
        <source>2분음표를 입력합니다.</source>
        <translation>Enters a half note.</translation>
    </message>
    <message>
        <source>4분음표를 입력합니다.</source>
        <translation>Enters a quarter note.</translation>
    </message>
    <message>
        <source>8분음표를 입력합니다.</source>
        <translation>Enters an eighth note.</translation>
    </message>
    <message>
        <source>16분음표를 입력합니다.</source>
        <translation>Enters a sixteenth note.</translation>
    </message>
    <message>
        <source>32분음표를 입력합니다.</source>
        <translation>Enters a thirty-second note.</translation>
    </message>
    <message>
        <source>온쉼표를 입력합니다.</source>
        <translation>Enters a whole rest.</translation>
    </message>
    <message>
        <source>2분쉼표를 입력합니다.</source>
        <translation>Enters a half rest.</translation>
    </message>
    <message>
        <source>4분쉼표를 입력합니다.</source>
        <translation>Enters a quarter rest.</translation>
    </message>
    <message>
        <source>8분쉼표를 입력합니다.</source>
        <translation>Enters an eighth rest.</translation>
    </message>
    <message>
        <source>16분쉼표를 입력합니다.</source>
        <translation>Enters a sixteenth rest.</translation>
    </message>
    <message>
        <source>32분쉼표를 입력합니다.</source>
        <translation>Enters a thirty-second rest.</translation>
    </message>
    <message>
        <source>점음표를 입력합니다.</source>
        <translation>Enters a dotted note.</translation>
    </message>
    <message>
        <source>왼쪽 도돌이표를 입력합니다.</source>
        <translation>Enters a start repeat.</translation>
    </message>
    <message>
        <source>오른쪽 도돌이표를 입력합니다.</source>
        <translation>Enters an end repeat.</translation>
    </message>
    <message>
        <source>올림표를 가진 음표를 입력합니다.</source>
        <translation>Enters a note with a sharp.</translation>
    </message>
    <message>
        <source>내림표를 가진 음표를 입력합니다.</source>
        <translation>Enters a note with a flat.</translation>
    </message>
    <message>
        <source>제자리표를 가진 음표를 입력합니다.</source>
        <translation>Enters a note with a natural.</translation>
    </message>
    <message>
        <source>새 멜로디 파일을 만듭니다.</source>
        <translation>Creates a new melody file.</translation>
    </message>
    <message>
        <source>멜로디 파일을 읽어들입니다.</source>
        <translation>Opens a melody file.</translation>
    </message>
    <message>
        <source>멜로디 파일을 저장합니다.</source>
        <translation>Saves the melody file.</translation>
    </message>
    <message>
        <source>도움말을 봅니다.</source>
        <translation>Shows the help.</translation>
    </message>
    <message>
        <source>멜로디 편집기 프로그램을 종료합니다.</source>
        <translation>Exits the Melody Editor.</translation>
    </message>
    <message>
        <source>멜로디 편집기</source>
        <translation>Melody Editor</translation>
    </message>
    <message>
        <source>멜로디 목록</source>
        <translation>Melody list</translation>
    </message>
    <message>
        <source>템포</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>조성</source>
        <translation>Key</translation>
    </message>
</context>
<context>
    <name>pdx::carrowin::NameDialog</name>
    <message>
        <source>이름</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>멜로디이름</source>
        <translation>Melody name</translation>
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
<context>
    <name>pdx::cli</name>
    <message>
        <source>%1 파일을 쓸 수 없습니다.</source>
        <translation>Cannot write the file %1.</translation>
    </message>
    <message>
        <source>%1번 애니메이션이 없습니다. 파일에는 %2개의 애니메이션이 있습니다.</source>
        <translation>There is no animation %1. The file holds %2 animations.</translation>
    </message>
    <message>
        <source>경고: %1: %2</source>
        <translation>Warning: %1: %2</translation>
    </message>
    <message>
        <source>%1 옵션에 값이 없습니다.</source>
        <translation>The %1 option has no value.</translation>
    </message>
    <message>
        <source>%1 값이 올바르지 않습니다: %2</source>
        <translation>Invalid value for %1: %2</translation>
    </message>
    <message>
        <source>알 수 없는 인수입니다: %1</source>
        <translation>Unknown argument: %1</translation>
    </message>
    <message>
        <source>사용법: %1</source>
        <translation>Usage: %1</translation>
    </message>
    <message>
        <source>--out OUT.png 또는 --out OUT.pbm 을 지정하십시오.</source>
        <translation>Give --out OUT.png or --out OUT.pbm.</translation>
    </message>
    <message>
        <source>--frames DIR 또는 --gif OUT.gif 를 지정하십시오.</source>
        <translation>Give --frames DIR or --gif OUT.gif.</translation>
    </message>
    <message>
        <source>같은 이름의 애니메이션이 이미 있습니다: %1</source>
        <translation>An animation of this name already exists: %1</translation>
    </message>
    <message>
        <source>%1 중 하나를 지정하십시오.</source>
        <translation>Give one of %1.</translation>
    </message>
    <message>
        <source>데이터 파일을 지정하십시오.</source>
        <translation>Name a data file.</translation>
    </message>
    <message>
        <source>만들 데이터 파일을 지정하십시오.</source>
        <translation>Name the data file to create.</translation>
    </message>
    <message>
        <source>추가 %1건, 건너뜀 %2건</source>
        <translation>%1 added, %2 skipped</translation>
    </message>
    <message>
        <source>전화번호부를 읽어들일 수 없습니다. (%1: %2)</source>
        <translation>Cannot read the phonebook. (%1: %2)</translation>
    </message>
    <message>
        <source>%1: 가져올 전화번호부 항목이 없습니다.</source>
        <translation>%1: no phonebook entries to import.</translation>
    </message>
    <message>
        <source>파일 형식이 잘못되어 있습니다.</source>
        <translation>The file&apos;s format is wrong.</translation>
    </message>
    <message>
        <source>--index 는 --onto 와 함께 지정하십시오.</source>
        <translation>Give --index together with --onto.</translation>
    </message>
    <message>
        <source>날짜가 올바르지 않습니다 (YYYY-MM-DD): %1</source>
        <translation>Invalid date (YYYY-MM-DD): %1</translation>
    </message>
    <message>
        <source>날짜를 하나 주거나 --from 과 --to 를 함께 주십시오.</source>
        <translation>Give one date, or --from and --to together.</translation>
    </message>
    <message>
        <source>--from 날짜가 --to 날짜보다 늦습니다.</source>
        <translation>The --from date is later than the --to date.</translation>
    </message>
    <message>
        <source>폴더를 읽을 수 없습니다: %1</source>
        <translation>Cannot read the folder: %1</translation>
    </message>
    <message>
        <source>경고: %1</source>
        <translation>Warning: %1</translation>
    </message>
    <message>
        <source>멜로디 번호가 범위를 벗어났습니다: %1 (멜로디 %2개)</source>
        <translation>Melody number out of range: %1 (%2 melodies)</translation>
    </message>
    <message>
        <source>멜로디 파일을 지정하십시오.</source>
        <translation>Name a melody file.</translation>
    </message>
    <message>
        <source>--out 옵션으로 WAV 파일을 지정하십시오.</source>
        <translation>Name a WAV file with the --out option.</translation>
    </message>
    <message>
        <source>WAV 파일을 저장할 수 없습니다: %1</source>
        <translation>Cannot save the WAV file: %1</translation>
    </message>
    <message>
        <source>연주합니다: %1 (빠르기 %2)</source>
        <translation>Playing: %1 (tempo %2)</translation>
    </message>
    <message>
        <source>%1행: </source>
        <translation>line %1: </translation>
    </message>
    <message>
        <source>그 밖의 경고와 오류 %1건은 줄였습니다.</source>
        <translation>%1 more warnings and errors left out.</translation>
    </message>
    <message>
        <source>--out 옵션으로 멜로디 파일을 지정하십시오.</source>
        <translation>Name a melody file with the --out option.</translation>
    </message>
    <message>
        <source>벨소리 텍스트나 파일을 지정하십시오.</source>
        <translation>Give a ringtone text or file.</translation>
    </message>
    <message>
        <source>벨소리가 없습니다.</source>
        <translation>No ringtone found.</translation>
    </message>
    <message>
        <source>벨소리 %1개 중 %2개를 멜로디로 저장했습니다.</source>
        <translation>Saved %2 of %1 ringtones as melodies.</translation>
    </message>
    <message>
        <source>--out 옵션으로 MIDI 파일을 지정하십시오.</source>
        <translation>Name a MIDI file with the --out option.</translation>
    </message>
    <message>
        <source>MIDI 파일을 저장할 수 없습니다: %1</source>
        <translation>Cannot save the MIDI file: %1</translation>
    </message>
    <message>
        <source>MIDI 파일을 지정하십시오.</source>
        <translation>Name a MIDI file.</translation>
    </message>
    <message>
        <source>MIDI 파일을 읽을 수 없습니다: %1</source>
        <translation>Cannot read the MIDI file: %1</translation>
    </message>
    <message>
        <source>알 수 없는 melody 명령입니다: %1</source>
        <translation>Unknown melody command: %1</translation>
    </message>
    <message>
        <source>%1 값은 0과 1 사이여야 합니다: %2</source>
        <translation>%1 must be between 0 and 1: %2</translation>
    </message>
    <message>
        <source>--refuse 값은 메시지 코드(0~39 또는 PC_... 이름)여야 합니다: %1</source>
        <translation>--refuse must be a message code (0 to 39 or a PC_... name): %1</translation>
    </message>
    <message>
        <source>--push 값은 pong, sms, noise 를 쉼표로 이은 것이어야 합니다: %1</source>
        <translation>--push must be pong, sms and noise joined by commas: %1</translation>
    </message>
    <message>
        <source>--protocol 값은 native 또는 at 이어야 합니다: %1</source>
        <translation>--protocol must be native or at: %1</translation>
    </message>
    <message>
        <source>--password 는 숫자 네 자리여야 합니다.</source>
        <translation>--password must be four digits.</translation>
    </message>
    <message>
        <source>기록 파일을 만들 수 없습니다: %1</source>
        <translation>Cannot create the trace file: %1</translation>
    </message>
    <message>
        <source>--refuse 값은 명령과 오류 번호(예: +CPBW:20)여야 합니다: %1</source>
        <translation>--refuse must be a command and an error number (for example +CPBW:20): %1</translation>
    </message>
    <message>
        <source>--push 값은 sms, ring, noise 를 쉼표로 이은 것이어야 합니다: %1</source>
        <translation>--push must be sms, ring and noise joined by commas: %1</translation>
    </message>
    <message>
        <source>--pin 은 숫자 네 자리에서 여덟 자리여야 합니다.</source>
        <translation>--pin must be four to eight digits.</translation>
    </message>
    <message>
        <source>표준 출력에 쓸 수 없습니다.</source>
        <translation>Cannot write to standard output.</translation>
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
    <message>
        <source>선택한 알람</source>
        <translation>Selected alarm</translation>
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
        <translation>Animation Editor</translation>
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
        <translation>My melodies</translation>
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
        <translation>Melody Editor</translation>
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
        <translation>Phone settings</translation>
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
        <translation>Diary Phonebook</translation>
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
        <translation>Speed dials</translation>
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
    <message>
        <source>이전</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>종료</source>
        <translation>Exit</translation>
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
        <translation>Speed dials</translation>
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
    <message>
        <source>단축다이얼 번호</source>
        <translation>Speed dial number</translation>
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
    <name>pdx::features::PageFrame</name>
    <message>
        <source>도움말</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>이전</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>종료</source>
        <translation>Exit</translation>
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
    <name>pdx::link</name>
    <message>
        <source>백업 파일을 쓸 수 없습니다: %1</source>
        <translation>Cannot write the backup file: %1</translation>
    </message>
    <message>
        <source>백업 목록을 쓸 수 없습니다: %1</source>
        <translation>Cannot write the backup list: %1</translation>
    </message>
    <message>
        <source>열려 있습니다.</source>
        <translation>Open.</translation>
    </message>
    <message>
        <source>장치가 없습니다. 케이블이 연결되어 있는지 확인하세요.</source>
        <translation>No such device. Check that the cable is connected.</translation>
    </message>
    <message>
        <source>장치를 열 권한이 없습니다. 사용자를 dialout 그룹에 추가한 뒤 다시 로그인하세요.</source>
        <translation>No permission to open the device. Add the user to the dialout group and log in again.</translation>
    </message>
    <message>
        <source>다른 프로그램이 장치를 사용하고 있습니다. ModemManager나 brltty 같은 프로그램을 끄세요.</source>
        <translation>Another program is using the device. Stop programs such as ModemManager or brltty.</translation>
    </message>
    <message>
        <source>직렬 포트가 아닙니다.</source>
        <translation>Not a serial port.</translation>
    </message>
    <message>
        <source>포트가 이미 열려 있습니다.</source>
        <translation>The port is already open.</translation>
    </message>
    <message>
        <source>장치를 열 수 없습니다.</source>
        <translation>Cannot open the device.</translation>
    </message>
    <message>
        <source>휴대폰에서 단문 메시지를 읽고 있습니다.</source>
        <translation>Reading messages from the phone.</translation>
    </message>
    <message>
        <source>휴대폰에서 단문 메시지를 읽어오는데 실패하였습니다.</source>
        <translation>Reading messages from the phone failed.</translation>
    </message>
    <message>
        <source>휴대폰에서 전화번호부를 읽고 있습니다.</source>
        <translation>Reading the phonebook from the phone.</translation>
    </message>
    <message>
        <source>휴대폰에서 전화번호부를 읽어오는데 실패하였습니다.</source>
        <translation>Reading the phonebook from the phone failed.</translation>
    </message>
    <message>
        <source>휴대폰에서 환경 설정을 읽고 있습니다.</source>
        <translation>Reading the settings from the phone.</translation>
    </message>
    <message>
        <source>휴대폰에서 환경 설정을 읽어오는데 실패하였습니다.</source>
        <translation>Reading the settings from the phone failed.</translation>
    </message>
    <message>
        <source>휴대폰에서 알람정보를 읽고 있습니다.</source>
        <translation>Reading alarms from the phone.</translation>
    </message>
    <message>
        <source>휴대폰에서 알람정보를 읽어오는데 실패하였습니다.</source>
        <translation>Reading alarms from the phone failed.</translation>
    </message>
    <message>
        <source>완료되었습니다.</source>
        <translation>Done.</translation>
    </message>
    <message>
        <source>휴대폰을 찾을수 없습니다. 휴대폰을 연결하세요.</source>
        <translation>Cannot find the phone. Connect the phone.</translation>
    </message>
    <message>
        <source>통신 포트를 열 수 없습니다.</source>
        <translation>Cannot open the communication port.</translation>
    </message>
    <message>
        <source>휴대폰이 응답하지 않습니다.</source>
        <translation>The phone does not answer.</translation>
    </message>
    <message>
        <source>비밀번호가 틀렸습니다. 비밀번호를 확인하세요.</source>
        <translation>Wrong password. Check the password.</translation>
    </message>
    <message>
        <source>휴대폰이 요청을 거부하였습니다.</source>
        <translation>The phone refused the request.</translation>
    </message>
    <message>
        <source>취소되었습니다.</source>
        <translation>Cancelled.</translation>
    </message>
    <message>
        <source>휴대폰과의 연결이 끊어졌습니다. 케이블을 확인하세요.</source>
        <translation>The connection to the phone was lost. Check the cable.</translation>
    </message>
    <message>
        <source>알 수 없는 오류입니다.</source>
        <translation>Unknown error.</translation>
    </message>
</context>
<context>
    <name>pdx::link::LogOn</name>
    <message>
        <source>휴대폰을 찾을수 없습니다. 휴대폰을 연결하세요.</source>
        <translation>Cannot find the phone. Connect the phone.</translation>
    </message>
    <message>
        <source>비밀번호를 확인하고 있습니다. 잠시만 기다려주세요.</source>
        <translation>Checking the password. Please wait.</translation>
    </message>
    <message>
        <source>연결이 실패하였습니다. 다시 시도하세요.</source>
        <translation>The connection failed. Try again.</translation>
    </message>
    <message>
        <source>비밀번호가 틀렸습니다. 비밀번호를 확인하세요.</source>
        <translation>Wrong password. Check the password.</translation>
    </message>
    <message>
        <source>휴대폰과의 연결을 확인해주시기 바랍니다.</source>
        <translation>Please check the connection to the phone.</translation>
    </message>
</context>
<context>
    <name>pdx::link::PasswordDisplay</name>
    <message>
        <source>비밀번호 %1자리 입력됨</source>
        <translation>%1 password digits entered</translation>
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
        <translation>Melody Editor</translation>
    </message>
</context>
<context>
    <name>pdx::melody::EditorCommands</name>
    <message>
        <source>%1행: </source>
        <translation>Line %1: </translation>
    </message>
    <message>
        <source>벨소리가 없습니다.</source>
        <translation>There are no ringtones.</translation>
    </message>
    <message>
        <source>멜로디가 변경되었습니다. 저장하시겠습니까?</source>
        <translation>The melody has changed. Save it?</translation>
    </message>
    <message>
        <source>이 파일이 멜로디 폴더에 있지 않습니다.
멜로디 폴더로 옮길까요?</source>
        <translation>This file is not in the melody folder.
Move it to the melody folder?</translation>
    </message>
    <message>
        <source>같은 이름을 가진 멜로디 파일이 있습니다. 덮어쓸까요?</source>
        <translation>A melody file with the same name exists. Overwrite it?</translation>
    </message>
    <message>
        <source>파일이 이미 있습니다. 덮어쓸까요?</source>
        <translation>The file already exists. Overwrite it?</translation>
    </message>
    <message>
        <source>프로그램을 종료하시겠습니까?</source>
        <translation>Exit the program?</translation>
    </message>
    <message>
        <source>같은 이름의 멜로디가 있습니다.</source>
        <translation>A melody with this name already exists.</translation>
    </message>
    <message>
        <source>멜로디는 하나 이상 등록되어 있어야 합니다.</source>
        <translation>There must be at least one melody.</translation>
    </message>
    <message>
        <source>멜로디를 삭제하시겠습니까?</source>
        <translation>Delete the melody?</translation>
    </message>
</context>
<context>
    <name>pdx::melody::Keys</name>
    <message>
        <source>다장조 (C)</source>
        <translation>C major</translation>
    </message>
    <message>
        <source>사장조 (G, #1)</source>
        <translation>G major (1 sharp)</translation>
    </message>
    <message>
        <source>라장조 (D, #2)</source>
        <translation>D major (2 sharps)</translation>
    </message>
    <message>
        <source>가장조 (A, #3)</source>
        <translation>A major (3 sharps)</translation>
    </message>
    <message>
        <source>마장조 (E, #4)</source>
        <translation>E major (4 sharps)</translation>
    </message>
    <message>
        <source>나장조 (B, #5)</source>
        <translation>B major (5 sharps)</translation>
    </message>
    <message>
        <source>올림바장조 (F#, #6)</source>
        <translation>F# major (6 sharps)</translation>
    </message>
    <message>
        <source>올림다장조 (C#, #7)</source>
        <translation>C# major (7 sharps)</translation>
    </message>
    <message>
        <source>바장조 (F, b1)</source>
        <translation>F major (1 flat)</translation>
    </message>
    <message>
        <source>내림나장조 (Bb, b2)</source>
        <translation>Bb major (2 flats)</translation>
    </message>
    <message>
        <source>내림마장조 (Eb, b3)</source>
        <translation>Eb major (3 flats)</translation>
    </message>
    <message>
        <source>내림가장조 (Ab, b4)</source>
        <translation>Ab major (4 flats)</translation>
    </message>
    <message>
        <source>내림라장조 (Db, b5)</source>
        <translation>Db major (5 flats)</translation>
    </message>
    <message>
        <source>내림사장조 (Gb, b6)</source>
        <translation>Gb major (6 flats)</translation>
    </message>
    <message>
        <source>내림다장조 (Cb, b7)</source>
        <translation>Cb major (7 flats)</translation>
    </message>
</context>
<context>
    <name>pdx::melody::MelodyFile</name>
    <message>
        <source>멜로디를 저장할 수 없습니다.</source>
        <translation>Cannot save the melody.</translation>
    </message>
    <message>
        <source>멜로디 파일을 찾을 수 없습니다.</source>
        <translation>Cannot find the melody file.</translation>
    </message>
    <message>
        <source>멜로디 파일이 아닙니다.</source>
        <translation>Not a melody file.</translation>
    </message>
    <message>
        <source>이 파일 버전은 지원하지 않습니다.</source>
        <translation>This file version is not supported.</translation>
    </message>
    <message>
        <source>멜로디를 읽어들일 수 없습니다.</source>
        <translation>Cannot read the melody.</translation>
    </message>
</context>
<context>
    <name>pdx::melody::MidiImport</name>
    <message>
        <source>빠르기 %1을(를) %2(으)로 바꾸었습니다.</source>
        <translation>Changed the tempo %1 to %2.</translation>
    </message>
    <message>
        <source>도중의 빠르기 변화는 옮기지 못했습니다.</source>
        <translation>Tempo changes within the piece were not taken over.</translation>
    </message>
    <message>
        <source>연주할 수 있는 범위에 맞추어 멜로디 전체를 %1옥타브 올렸습니다.</source>
        <translation>Raised the whole melody %1 octave(s) to fit the playable range.</translation>
    </message>
    <message>
        <source>연주할 수 있는 범위에 맞추어 멜로디 전체를 %1옥타브 내렸습니다.</source>
        <translation>Lowered the whole melody %1 octave(s) to fit the playable range.</translation>
    </message>
    <message>
        <source>그래도 범위를 벗어나는 음 %1개는 따로 옥타브를 옮겼습니다.</source>
        <translation>Moved %1 note(s) still out of range by octaves one by one.</translation>
    </message>
    <message>
        <source>한 음표로 나타낼 수 없는 긴 음을 여러 음표로 나누었습니다.</source>
        <translation>Split long notes that no single note can show into several notes.</translation>
    </message>
    <message>
        <source>멜로디의 한도에 이르러 나머지 음표 %1개는 넣지 못했습니다.</source>
        <translation>The melody is full; %1 remaining note(s) were left out.</translation>
    </message>
    <message>
        <source>트랙 번호가 범위를 벗어났습니다.</source>
        <translation>The track number is out of range.</translation>
    </message>
    <message>
        <source>가져올 음표가 없습니다.</source>
        <translation>There are no notes to import.</translation>
    </message>
    <message>
        <source>재생기가 건너뛰는 시스템 메시지 %1개를 건너뛰었습니다.</source>
        <translation>Skipped %1 system message(s) that players skip.</translation>
    </message>
    <message>
        <source>여러 음이 함께 울리는 곳에서는 가장 높은 음만 옮겼습니다.</source>
        <translation>Where several notes sound together, only the highest was taken.</translation>
    </message>
    <message>
        <source>MIDI 파일을 찾을 수 없습니다.</source>
        <translation>Cannot find the MIDI file.</translation>
    </message>
    <message>
        <source>MIDI 파일이 너무 큽니다.</source>
        <translation>The MIDI file is too large.</translation>
    </message>
    <message>
        <source>MIDI 파일을 읽을 수 없습니다.</source>
        <translation>Cannot read the MIDI file.</translation>
    </message>
</context>
<context>
    <name>pdx::melody::MidiReader</name>
    <message>
        <source>길이 값이 잘못되었습니다.</source>
        <translation>A length value is wrong.</translation>
    </message>
    <message>
        <source>파일이 중간에 끊겼습니다.</source>
        <translation>The file ends too early.</translation>
    </message>
    <message>
        <source>상태 바이트가 없는 데이터가 있습니다.</source>
        <translation>There is data without a status byte.</translation>
    </message>
    <message>
        <source>채널 메시지의 데이터가 잘못되었습니다.</source>
        <translation>A channel message has wrong data.</translation>
    </message>
    <message>
        <source>MIDI 파일이 아닙니다.</source>
        <translation>Not a MIDI file.</translation>
    </message>
    <message>
        <source>MIDI 파일의 머리말이 잘못되었습니다.</source>
        <translation>The MIDI file header is wrong.</translation>
    </message>
    <message>
        <source>지원하지 않는 MIDI 형식입니다.</source>
        <translation>This MIDI format is not supported.</translation>
    </message>
    <message>
        <source>지원하지 않는 MIDI 시간 단위입니다.</source>
        <translation>This MIDI time division is not supported.</translation>
    </message>
    <message>
        <source>트랙이 머리말보다 적습니다.</source>
        <translation>There are fewer tracks than the header says.</translation>
    </message>
</context>
<context>
    <name>pdx::melody::RtttlExport</name>
    <message>
        <source>빠르기 0은 쓸 수 없어 120으로 적었습니다.</source>
        <translation>Tempo 0 cannot be written; wrote 120.</translation>
    </message>
    <message>
        <source>길이 %1을(를) 가까운 길이 %2(으)로 바꾸었습니다.</source>
        <translation>Changed the length %1 to the nearest length %2.</translation>
    </message>
    <message>
        <source>연주할 수 있는 범위를 벗어난 음을 쉼표로 바꾸었습니다.</source>
        <translation>Replaced notes out of the playable range with rests.</translation>
    </message>
    <message>
        <source>도돌이표와 끝 표시 %1개는 옮길 수 없어 뺐습니다.</source>
        <translation>Left out %1 repeat or end mark(s) that cannot be written.</translation>
    </message>
</context>
<context>
    <name>pdx::melody::RtttlImport</name>
    <message>
        <source>빠르기 %1을(를) %2(으)로 낮추고 음표 길이를 1/%3로 줄였습니다.</source>
        <translation>Lowered the tempo %1 to %2 and shortened the notes to 1/%3.</translation>
    </message>
    <message>
        <source>빠르기를 30에서 255 사이로 맞추었습니다: %1</source>
        <translation>Brought the tempo into 30 to 255: %1</translation>
    </message>
    <message>
        <source>지원하지 않는 길이의 음표를 뺐습니다: %1</source>
        <translation>Left out a note of a length that is not supported: %1</translation>
    </message>
    <message>
        <source>너무 짧은 음표를 32분음표로 늘렸습니다: %1</source>
        <translation>Lengthened a note too short to a thirty-second note: %1</translation>
    </message>
    <message>
        <source>점온음표를 온음표와 2분음표로 나누었습니다: %1</source>
        <translation>Split a dotted whole note into a whole and a half note: %1</translation>
    </message>
    <message>
        <source>그 밖의 경고 %1건은 줄였습니다.</source>
        <translation>%1 more warning(s) not listed.</translation>
    </message>
    <message>
        <source>멜로디 길이 제한을 넘는 음표 %1개를 뺐습니다.</source>
        <translation>Left out %1 note(s) beyond the melody length limit.</translation>
    </message>
    <message>
        <source>연주할 수 있는 범위를 벗어난 음을 쉼표로 바꾸었습니다: %1</source>
        <translation>Replaced a note out of the playable range with a rest: %1</translation>
    </message>
    <message>
        <source>이름에서 코드 페이지 949에 없는 글자를 ?로 바꾸었습니다: %1</source>
        <translation>Replaced characters of the name not in code page 949 with ?: %1</translation>
    </message>
    <message>
        <source>이름을 16바이트로 줄였습니다: %1</source>
        <translation>Shortened the name to 16 bytes: %1</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>옥타브는 한 자리 숫자여야 합니다</source>
        <translation>An octave must be a single digit</translation>
    </message>
    <message>
        <source>음표를 읽을 수 없습니다</source>
        <translation>Cannot read the note</translation>
    </message>
    <message>
        <source>벨소리 텍스트 형식이 아닙니다 (이름:기본값:음표).</source>
        <translation>Not a ringtone text (name:defaults:notes).</translation>
    </message>
    <message>
        <source>기본값을 읽을 수 없습니다 (%1): %2</source>
        <translation>Cannot read the defaults (%1): %2</translation>
    </message>
    <message>
        <source>한 파일에는 멜로디를 %1개까지만 넣을 수 있어 가져오지 않았습니다.</source>
        <translation>Not imported: a file holds at most %1 melodies.</translation>
    </message>
    <message>
        <source>같은 이름이 있어 &apos;%1&apos;(으)로 바꾸었습니다.</source>
        <translation>Renamed to &apos;%1&apos; because the name was taken.</translation>
    </message>
    <message>
        <source>%1행 %2번째 글자</source>
        <translation>line %1, character %2</translation>
    </message>
</context>
<context>
    <name>pdx::melody::ScoreEditor</name>
    <message>
        <source>더이상 멜로디를 추가할 수 없습니다.</source>
        <translation>No more melodies can be added.</translation>
    </message>
    <message>
        <source>연주할 수 있는 범위를 벗어나는 음이 있습니다. 계속할까요?</source>
        <translation>Some notes are out of the playable range. Continue?</translation>
    </message>
</context>
<context>
    <name>pdx::melody::Sound</name>
    <message>
        <source>소리를 낼 장치를 찾을 수 없어 소리 없이 연주합니다.</source>
        <translation>No sound device found; playing without sound.</translation>
    </message>
</context>
<context>
    <name>pdx::melody::ui</name>
    <message>
        <source>음표 입력 오선</source>
        <translation>Note entry staff</translation>
    </message>
    <message>
        <source>피아노 건반</source>
        <translation>Piano keyboard</translation>
    </message>
    <message>
        <source>악보</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>악보 스크롤 막대</source>
        <translation>Score scroll bar</translation>
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
    <name>pdx::pelodex::AtSession</name>
    <message>
        <source>Pelodex의 200칸을 넘어 읽지 않았습니다</source>
        <translation>not read: past Pelodex&apos;s 200 slots</translation>
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
    <name>pdx::simulator</name>
    <message>
        <source>의사 터미널을 만들 수 없습니다</source>
        <translation>Cannot create a pseudo-terminal</translation>
    </message>
    <message>
        <source>의사 터미널을 설정할 수 없습니다: %1</source>
        <translation>Cannot set up the pseudo-terminal: %1</translation>
    </message>
    <message>
        <source>장치를 열 수 없습니다: %1</source>
        <translation>Cannot open the device: %1</translation>
    </message>
    <message>
        <source>%1바이트여야 합니다 (%2바이트)</source>
        <translation>must be %1 bytes (is %2 bytes)</translation>
    </message>
    <message>
        <source>기록의 슬롯 번호가 %1입니다</source>
        <translation>the record&apos;s slot number is %1</translation>
    </message>
    <message>
        <source>그룹 번호는 0~19여야 합니다</source>
        <translation>the group number must be 0 to 19</translation>
    </message>
    <message>
        <source>사용 중 표시가 없습니다</source>
        <translation>the in-use mark is missing</translation>
    </message>
    <message>
        <source>글자 수는 85바이트까지입니다</source>
        <translation>the text is at most 85 bytes</translation>
    </message>
    <message>
        <source>멜로디 길이가 맞지 않습니다</source>
        <translation>the melody&apos;s length does not match</translation>
    </message>
    <message>
        <source>숫자 네 자리여야 합니다</source>
        <translation>must be four digits</translation>
    </message>
    <message>
        <source>32바이트까지입니다</source>
        <translation>at most 32 bytes</translation>
    </message>
    <message>
        <source>16진수가 아닌 글자가 있습니다: %1</source>
        <translation>Not a hexadecimal digit: %1</translation>
    </message>
    <message>
        <source>16진수의 자릿수가 홀수입니다</source>
        <translation>Odd number of hexadecimal digits</translation>
    </message>
    <message>
        <source>기록은 %1개까지의 배열이어야 합니다</source>
        <translation>records must be an array of at most %1</translation>
    </message>
    <message>
        <source>%1: %2바이트보다 깁니다</source>
        <translation>%1: longer than %2 bytes</translation>
    </message>
    <message>
        <source>슬롯 %1이(가) 두 번 나옵니다</source>
        <translation>slot %1 appears twice</translation>
    </message>
    <message>
        <source>휴대폰 상태 파일의 형식이 올바르지 않습니다: %1</source>
        <translation>The phone state file&apos;s format is wrong: %1</translation>
    </message>
    <message>
        <source>휴대폰 상태 파일을 열 수 없습니다: %1 (%2)</source>
        <translation>Cannot open the phone state file: %1 (%2)</translation>
    </message>
    <message>
        <source>휴대폰 상태 파일이 JSON 형식이 아닙니다: %1</source>
        <translation>The phone state file is not JSON: %1</translation>
    </message>
    <message>
        <source>휴대폰 상태 파일을 저장할 수 없습니다: %1</source>
        <translation>Cannot save the phone state file: %1</translation>
    </message>
    <message>
        <source>값의 종류가 맞지 않습니다</source>
        <translation>the value is of the wrong kind</translation>
    </message>
    <message>
        <source>%1~%2 사이의 정수여야 합니다</source>
        <translation>must be a whole number from %1 to %2</translation>
    </message>
    <message>
        <source>숫자 4~8자리여야 합니다</source>
        <translation>must be 4 to 8 digits</translation>
    </message>
    <message>
        <source>제어 문자 없는 1~%1바이트의 글자여야 합니다</source>
        <translation>must be text of 1 to %1 bytes without control characters</translation>
    </message>
    <message>
        <source>전화번호는 숫자, *, #와 맨 앞의 +로만 씁니다</source>
        <translation>a number holds only digits, * and #, with + only first</translation>
    </message>
    <message>
        <source>전화번호는 %1자리까지입니다</source>
        <translation>the number has at most %1 digits</translation>
    </message>
    <message>
        <source>쓸 수 없는 글자가 있습니다</source>
        <translation>the text holds a character that cannot be used</translation>
    </message>
    <message>
        <source>이름은 %1자까지입니다</source>
        <translation>the name has at most %1 characters</translation>
    </message>
    <message>
        <source>%1번이 두 번 나옵니다</source>
        <translation>number %1 appears twice</translation>
    </message>
    <message>
        <source>16진수로 된 올바른 PDU여야 합니다</source>
        <translation>must be a valid PDU in hexadecimal</translation>
    </message>
    <message>
        <source>값이 없습니다</source>
        <translation>the value is missing</translation>
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
    <name>pdx::velluto::Dialogs</name>
    <message>
        <source>새 파일</source>
        <translation>New file</translation>
    </message>
    <message>
        <source>이름</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>이름 바꾸기</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>새 애니메이션</source>
        <translation>New animation</translation>
    </message>
    <message>
        <source>애니메이션 이름</source>
        <translation>Animation name</translation>
    </message>
    <message>
        <source>확인</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>글자 입력</source>
        <translation>Enter text</translation>
    </message>
    <message>
        <source>내용</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>글꼴...</source>
        <translation>Font...</translation>
    </message>
    <message>
        <source>글꼴</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>글꼴을 고릅니다.</source>
        <translation>Chooses the font.</translation>
    </message>
</context>
<context>
    <name>pdx::velluto::ImportDialog</name>
    <message>
        <source>확인</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>밝기</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>명암</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>파일형식</source>
        <translation>File type</translation>
    </message>
    <message>
        <source>큰쪽에 맞춤</source>
        <translation>Fit larger side</translation>
    </message>
    <message>
        <source>작은쪽에 맞춤</source>
        <translation>Fit smaller side</translation>
    </message>
    <message>
        <source>네모크기에 맞춤</source>
        <translation>Stretch to fit</translation>
    </message>
    <message>
        <source>왼쪽/위쪽</source>
        <translation>Left/top</translation>
    </message>
    <message>
        <source>가운데</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>오른쪽/아래쪽</source>
        <translation>Right/bottom</translation>
    </message>
    <message>
        <source>크기 맞춤 :</source>
        <translation>Fit:</translation>
    </message>
    <message>
        <source>위치 :</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>원본 그림</source>
        <translation>Original picture</translation>
    </message>
    <message>
        <source>변환된 그림</source>
        <translation>Converted picture</translation>
    </message>
</context>
<context>
    <name>pdx::velluto::Main</name>
    <message>
        <source>Velluto: 알 수 없는 인수를 무시합니다: %1</source>
        <translation>Velluto: ignoring an unknown argument: %1</translation>
    </message>
</context>
<context>
    <name>pdx::velluto::Window</name>
    <message>
        <source>도움말</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>종료</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>새파일</source>
        <translation>New file</translation>
    </message>
    <message>
        <source>열기</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>저장</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>그림읽기</source>
        <translation>Import picture</translation>
    </message>
    <message>
        <source>새 애니메이션</source>
        <translation>New animation</translation>
    </message>
    <message>
        <source>애니메이션 삭제</source>
        <translation>Delete animation</translation>
    </message>
    <message>
        <source>이름 바꾸기</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>블록 지정</source>
        <translation>Select block</translation>
    </message>
    <message>
        <source>점</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>선</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>네모</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>원</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>채우기</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>스프레이</source>
        <translation>Spray</translation>
    </message>
    <message>
        <source>글자</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>효과 시작</source>
        <translation>Start effect</translation>
    </message>
    <message>
        <source>효과 중지</source>
        <translation>Stop effect</translation>
    </message>
    <message>
        <source>되돌리기</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>다시 실행</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>애니메이션 편집기</source>
        <translation>Animation Editor</translation>
    </message>
    <message>
        <source>애니메이션</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>편집할 애니메이션을 고릅니다.</source>
        <translation>Chooses the animation to edit.</translation>
    </message>
    <message>
        <source>효과</source>
        <translation>Effect</translation>
    </message>
    <message>
        <source>애니메이션이 나타나는 효과를 고릅니다.</source>
        <translation>Chooses how the animation appears.</translation>
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
    <message>
        <source>[-홈-]</source>
        <translation>[-home-]</translation>
    </message>
</context>
<context>
    <name>pdx::winlib::RuntimeFolder</name>
    <message>
        <source>%1 자리에 폴더가 아닌 것이 있어 창 소켓을 만들 수 없습니다. 그것을 옮기거나 지우세요.</source>
        <translation>Cannot make the window socket: %1 is not a folder. Move or delete it.</translation>
    </message>
    <message>
        <source>%1 폴더를 다른 사용자가 쓸 수 있어 창 소켓에 쓰지 않습니다.</source>
        <translation>Other users can write to the folder %1, so it is not used for the window socket.</translation>
    </message>
    <message>
        <source>%1 폴더를 만들 수 없습니다: %2</source>
        <translation>Cannot create the folder %1: %2</translation>
    </message>
    <message>
        <source>%1 경로가 너무 길어 창 소켓을 만들 수 없습니다 (%2, %3바이트까지).</source>
        <translation>Cannot make the window socket: the %1 path is too long (%2, at most %3 bytes).</translation>
    </message>
    <message>
        <source>캐시 폴더</source>
        <translation>cache folder</translation>
    </message>
    <message>
        <source>%1 폴더가 이 사용자만의 것이 아니어서 %2 폴더를 대신 씁니다.</source>
        <translation>The folder %1 is not private to this user; using %2 instead.</translation>
    </message>
    <message>
        <source>임시 폴더</source>
        <translation>temporary folder</translation>
    </message>
</context>
<context>
    <name>pdx::winlib::WaitWindow</name>
    <message>
        <source>취소하는 중입니다.</source>
        <translation>Cancelling.</translation>
    </message>
    <message>
        <source>남은 시간 약 %1분 %2초</source>
        <translation>About %1 min %2 s left</translation>
    </message>
    <message>
        <source>남은 시간 약 %1초</source>
        <translation>About %1 s left</translation>
    </message>
</context>
</TS>
