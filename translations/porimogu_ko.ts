<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="ja">
<context>
    <name>Boxes</name>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>예(&amp;Y)</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>아니요(&amp;N)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>中止(&amp;A)</source>
        <translation>중단(&amp;A)</translation>
    </message>
    <message>
        <source>再試行(&amp;R)</source>
        <translation>다시 시도(&amp;R)</translation>
    </message>
    <message>
        <source>無視(&amp;I)</source>
        <translation>무시(&amp;I)</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>모두</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>ｴﾗｰ</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>その もじは つかえません</source>
        <translation>그 글자는 쓸 수 없어요</translation>
    </message>
    <message>
        <source>%1 は %2 で かくね</source>
        <translation>%1 글자는 %2(으)로 써요</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>ぜんがめんで はじめます (F11 で きりかえ)</source>
        <translation>전체 화면으로 시작합니다 (F11로 전환)</translation>
    </message>
    <message>
        <source>つかいかた: %1 [オプション]...</source>
        <translation>사용법: %1 [옵션]...</translation>
    </message>
    <message>
        <source>ちいさな こどもの ための ゲームです。ぽっけを やじるしキーで うごかして、80 びょうの あいだに たべものを たべます。</source>
        <translation>어린이를 위한 게임입니다. 화살표 키로 Pokke를 움직여서 80초 동안 먹을 것을 먹습니다.</translation>
    </message>
    <message>
        <source>この せつめいを だして おわります</source>
        <translation>이 설명을 보여 주고 끝냅니다</translation>
    </message>
    <message>
        <source>バージョンを だして おわります</source>
        <translation>버전을 보여 주고 끝냅니다</translation>
    </message>
    <message>
        <source>ライセンス GPL-3+: GNU GPL バージョン 3 以降 &lt;https://gnu.org/licenses/gpl.html&gt;。これは フリーソフトウェアです。かえることも くばることも できます。ほうりつで ゆるされる かぎり、なんの ほしょうも ありません。</source>
        <translation>라이선스 GPL-3+: GNU GPL 버전 3 이상 &lt;https://gnu.org/licenses/gpl.html&gt;. 이것은 자유 소프트웨어입니다. 고치거나 나누어 줄 수 있습니다. 법이 허용하는 한, 아무런 보증도 없습니다.</translation>
    </message>
    <message>
        <source>「%1」という ことばは ありません。デスクトップの ことばで はじめます</source>
        <translation>&quot;%1&quot; 언어는 없어요. 데스크톱의 언어로 시작합니다</translation>
    </message>
    <message>
        <source>この ことばで はじめます: %1</source>
        <translation>이 언어로 시작합니다: %1</translation>
    </message>
    <message>
        <source>おんがくなしで はじめます</source>
        <translation>음악 없이 시작합니다</translation>
    </message>
    <message>
        <source>ゲームの はやさ N で はじめます: %1 から %2、ちいさいほど はやい (ふつうは %3)</source>
        <translation>게임 빠르기 N으로 시작합니다: %1부터 %2까지, 작을수록 빠릅니다 (보통 %3)</translation>
    </message>
    <message>
        <source>こどもロック: ぜんがめんで、おとなが Ctrl+Shift+Q で おわるまで つづきます</source>
        <translation>어린이 잠금: 전체 화면으로, 어른이 Ctrl+Shift+Q로 끌 때까지 계속됩니다</translation>
    </message>
    <message>
        <source>%1 は わからないので、つかわずに はじめます</source>
        <translation>%1은(는) 모르는 옵션이라 빼고 시작합니다</translation>
    </message>
    <message>
        <source>%1 の あとに あたいが ないので、つかわずに はじめます</source>
        <translation>%1 뒤에 값이 없어서 빼고 시작합니다</translation>
    </message>
    <message>
        <source>はやさ %1 は つかえません: %2 から %3 の かずです。%4 で はじめます</source>
        <translation>빠르기 %1은(는) 쓸 수 없어요: %2부터 %3까지의 숫자예요. %4(으)로 시작합니다</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>ぽりもぐゲーム</source>
        <translation>Porimogu</translation>
    </message>
    <message>
        <source>ちいさな こどもの ゲーム</source>
        <translation>어린이 게임</translation>
    </message>
    <message>
        <source>ぽっけを うごかして たべものを たべよう</source>
        <translation>Pokke를 움직여서 먹을 것을 먹어요</translation>
    </message>
    <message>
        <source>こども;ゲーム;ぽっけ;たべもの;</source>
        <translation>어린이;아이;게임;음식;Pokke;</translation>
    </message>
    <message>
        <source>ぜんがめんで あそぶ</source>
        <translation>전체 화면으로 놀기</translation>
    </message>
    <message>
        <source>こどもロックで あそぶ</source>
        <translation>어린이 잠금으로 놀기</translation>
    </message>
    <message>
        <source>おんがくなしで あそぶ</source>
        <translation>음악 없이 놀기</translation>
    </message>
    <message>
        <source>ちいさな こどもの ための ゲーム</source>
        <translation>어린이를 위한 게임</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>デスクトップから はじめるか、DISPLAY に うごいている X サーバーを いれてください。</source>
        <translation>바탕 화면에서 게임을 시작하거나, DISPLAY를 실행 중인 X 서버로 정해 주세요.</translation>
    </message>
    <message>
        <source>X の がめんが ありません (DISPLAY が ありません)。</source>
        <translation>X 화면이 없어요 (DISPLAY가 정해지지 않았어요).</translation>
    </message>
    <message>
        <source>X の がめん &quot;%1&quot; が ひらけません。</source>
        <translation>X 화면 &quot;%1&quot;을(를) 열 수 없어요.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>不明なエラー</source>
        <translation>알 수 없는 오류</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>ぽっけ</source>
        <comment>the player character&apos;s name</comment>
        <translation>Pokke</translation>
    </message>
    <message>
        <source>ぽっけの ぽりもぐ ゲーム</source>
        <translation>Porimogu</translation>
    </message>
</context>
<context>
    <name>Gauge</name>
    <message>
        <source>%1 から %2 の間の値でなければなりません</source>
        <translation>값은 %1에서 %2 사이여야 합니다</translation>
    </message>
</context>
<context>
    <name>HelpBox</name>
    <message>
        <source>・ゲームを はじめるとき
    ｴﾝﾀｰｷｰ（まがったやじるしｷｰ） をおします
・ぽっけを うごかしてあそぶ
    できるだけ たくさん たべるようにします
・ぽっけのうごかしかた
    ２、４、６、８ の ｷｰで うごきます
    （やじるしｷｰでもよい）
・ゲームじかん
    ８０ びょうの あいだです
・おわるとき
    ふつうに ×を くりっくします
    ｴｽｹｰﾌﾟｷｰでも おわったり、とめたりできます</source>
        <translation>• 게임을 시작할 때
    Enter 키(꺾인 화살표 키)를 눌러요
• Pokke를 움직이며 놀아요
    되도록 많이 먹어요
• 2, 4, 6, 8 키로 Pokke가 움직여요
    (화살표 키도 돼요)
• 게임 시간은 80초예요
• 끝낼 때는 창의 ×를 클릭해요
    Esc 키로도 끝내거나 멈출 수 있어요</translation>
    </message>
    <message>
        <source>・おばけを  たべると  げんてんです

・ぜんぶ  たべると  ボーナス！

・おばけは  のこしても  いいです

・すききらいは  いけません

・メニューをつかうとわかりやすい</source>
        <translation>• 유령을 먹으면 점수가 깎여요

• 모두 먹으면 보너스!

• 유령은 남겨도 괜찮아요

• 편식하면 안 돼요

• 메뉴를 쓰면 알기 쉬워요</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>ホームフォルダが わからないので できません</source>
        <translation>홈 폴더를 알 수 없어서 시작할 수 없어요</translation>
    </message>
    <message>
        <source>%1 が フォルダでは ないので できません</source>
        <translation>%1은(는) 폴더가 아니라서 시작할 수 없어요</translation>
    </message>
    <message>
        <source>%1 を つくれないので できません</source>
        <translation>%1을(를) 만들 수 없어서 시작할 수 없어요</translation>
    </message>
    <message>
        <source>%1 に かきこめないので できません</source>
        <translation>%1에 쓸 수 없어서 시작할 수 없어요</translation>
    </message>
    <message>
        <source>%1 に はいれないので できません</source>
        <translation>%1에 들어갈 수 없어서 시작할 수 없어요</translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>MCI ﾃﾞﾊﾞｲｽがありません</source>
        <translation>음악 장치가 없습니다</translation>
    </message>
    <message>
        <source>音楽データが ありません</source>
        <translation>음악 데이터가 없습니다</translation>
    </message>
    <message>
        <source>%1 が よめません</source>
        <translation>%1 파일을 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>%1 は MIDI データではありません</source>
        <translation>%1 파일은 MIDI 음악이 아닙니다</translation>
    </message>
    <message>
        <source>%1 の MIDI データが こわれています</source>
        <translation>%1 파일의 MIDI 데이터가 망가졌습니다</translation>
    </message>
    <message>
        <source>%1 の MIDI データの形式には 対応していません</source>
        <translation>%1 파일의 MIDI 데이터 형식은 지원하지 않습니다</translation>
    </message>
    <message>
        <source>音楽を鳴らす準備が できません</source>
        <translation>음악을 틀 준비를 할 수 없습니다</translation>
    </message>
    <message>
        <source>音楽用の音色データ (SoundFont) が見つかりません</source>
        <translation>음악용 음색 데이터(SoundFont)를 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>音を出す装置が使えません</source>
        <translation>소리를 내는 장치를 쓸 수 없습니다</translation>
    </message>
</context>
<context>
    <name>NamePrompt</name>
    <message>
        <source>EnterName</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>なまえをいれよう</source>
        <translation>이름을 써 보자</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています</source>
        <translation>목록 인덱스가 범위를 벗어났습니다</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 は大きすぎて開けません</source>
        <translation>%1 파일이 너무 커서 열 수 없습니다</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 は開けません</source>
        <translation>%1 파일을 열 수 없습니다</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 を作成できません</source>
        <translation>%1 파일을 만들 수 없습니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>&apos;%1&apos; 값은 정수가 아닙니다</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 の名前を変更できません</source>
        <translation>%1 파일의 이름을 바꿀 수 없습니다</translation>
    </message>
    <message>
        <source>%1 を %2 という なまえで のこして、せいせきを はじめから つけなおしますか?</source>
        <translation>%1 파일을 %2 이름으로 남기고 성적을 처음부터 다시 기록할까요?</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Time: %1 秒</source>
        <translation>시간: %1초</translation>
    </message>
    <message>
        <source>Point: %1 点</source>
        <translation>점수: %1점</translation>
    </message>
    <message>
        <source>Wait: %1</source>
        <translation>잠깐: %1</translation>
    </message>
    <message>
        <source>ｴﾝﾀｰｷｰを おしてね</source>
        <translation>Enter 키를 눌러 줘</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ中  がんばれ！！</source>
        <translation>게임 중  힘내!!</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ  ていし・・・</source>
        <translation>게임  멈춤...</translation>
    </message>
    <message>
        <source>おわり！てをはなして</source>
        <translation>끝! 손을 떼 줘</translation>
    </message>
</context>
<context>
    <name>porimogu::ChildLock</name>
    <message>
        <source>まだ あそべるよ！</source>
        <translation>계속 놀 수 있어요!</translation>
    </message>
    <message>
        <source>おとなの かたへ：
この 3つの キーを いっしょに おすと、ゲームが おわります。</source>
        <translation>어른께:
이 세 키를 함께 누르면 게임이 끝나요.</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
</context>
<context>
    <name>porimogu::TAboutBox</name>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>버전 정보</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>ぽりもぐゲーム</source>
        <translation>Porimogu</translation>
    </message>
    <message>
        <source>Version 2</source>
        <translation>버전 2</translation>
    </message>
    <message>
        <source>ちいさな みんなへ</source>
        <translation>어린 친구들에게</translation>
    </message>
    <message>
        <source>ぽっけより</source>
        <translation>Pokke가</translation>
    </message>
    <message>
        <source>ゲームのはやさ  40</source>
        <translation>게임 속도  40</translation>
    </message>
    <message>
        <source>表示されているｳｨﾝﾄﾞｳをﾓｰﾀﾞﾙにすることはできません</source>
        <translation>보이는 창을 모달로 만들 수 없습니다</translation>
    </message>
    <message>
        <source>ゲームのはやさ%1</source>
        <translation>게임 속도 %1</translation>
    </message>
</context>
<context>
    <name>porimogu::THelpBox</name>
    <message>
        <source>へるぷ</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>ゲームのしかた</source>
        <translation>게임 방법</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>힌트</translation>
    </message>
</context>
<context>
    <name>porimogu::TMainForm</name>
    <message>
        <source>もういちど おすと おわります</source>
        <translation>한 번 더 누르면 끝나요</translation>
    </message>
    <message>
        <source>ゲーム (&amp;G)</source>
        <translation>게임 (&amp;G)</translation>
    </message>
    <message>
        <source>スタート (&amp;S)</source>
        <translation>시작 (&amp;S)</translation>
    </message>
    <message>
        <source>ていし (&amp;P)</source>
        <translation>멈춤 (&amp;P)</translation>
    </message>
    <message>
        <source>やめる (&amp;Q)</source>
        <translation>게임 그만하기 (&amp;Q)</translation>
    </message>
    <message>
        <source>せいせき (&amp;T)</source>
        <translation>성적 (&amp;T)</translation>
    </message>
    <message>
        <source>おわり (&amp;X)</source>
        <translation>끝내기 (&amp;X)</translation>
    </message>
    <message>
        <source>せってい (&amp;O)</source>
        <translation>설정 (&amp;O)</translation>
    </message>
    <message>
        <source>ゲームのはやさ (&amp;V)</source>
        <translation>게임 속도 (&amp;V)</translation>
    </message>
    <message>
        <source>おんがくつき (&amp;M)</source>
        <translation>음악 (&amp;M)</translation>
    </message>
    <message>
        <source>なにかへんだ (&amp;S)</source>
        <translation>뭔가 이상해 (&amp;S)</translation>
    </message>
    <message>
        <source>へるぷ (&amp;H)</source>
        <translation>도움말 (&amp;H)</translation>
    </message>
    <message>
        <source>そうさのしかた (&amp;K)</source>
        <translation>조작 방법 (&amp;K)</translation>
    </message>
    <message>
        <source>ヴァージョン (&amp;V)</source>
        <translation>버전 (&amp;V)</translation>
    </message>
    <message>
        <source>音楽データが ありません</source>
        <translation>음악 데이터가 없습니다</translation>
    </message>
    <message>
        <source>game.bmp がないので できません</source>
        <translation>game.bmp 파일이 없어서 게임을 할 수 없습니다</translation>
    </message>
    <message>
        <source>game.bmp が よめないので できません</source>
        <translation>game.bmp 파일을 읽을 수 없어서 게임을 할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>porimogu::TTopDlg</name>
    <message>
        <source>TopList Dialog</source>
        <translation>순위</translation>
    </message>
    <message>
        <source>Tops-List</source>
        <translation>베스트 10</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>순위</translation>
    </message>
    <message>
        <source>  Name</source>
        <translation>  이름</translation>
    </message>
    <message>
        <source>  Points</source>
        <translation>  점수</translation>
    </message>
    <message>
        <source>  Date</source>
        <translation>  날짜</translation>
    </message>
</context>
</TS>
