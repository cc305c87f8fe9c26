<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Boxes</name>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>中止(&amp;A)</source>
        <translation>&amp;Abort</translation>
    </message>
    <message>
        <source>再試行(&amp;R)</source>
        <translation>&amp;Retry</translation>
    </message>
    <message>
        <source>無視(&amp;I)</source>
        <translation>&amp;Ignore</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>All</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>ｴﾗｰ</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>その もじは つかえません</source>
        <translation>That letter cannot be used</translation>
    </message>
    <message>
        <source>%1 は %2 で かくね</source>
        <translation>%1 is written as %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>ぜんがめんで はじめます (F11 で きりかえ)</source>
        <translation>Start in full screen (F11 switches).</translation>
    </message>
    <message>
        <source>つかいかた: %1 [オプション]...</source>
        <translation>Usage: %1 [OPTION]...</translation>
    </message>
    <message>
        <source>ちいさな こどもの ための ゲームです。ぽっけを やじるしキーで うごかして、80 びょうの あいだに たべものを たべます。</source>
        <translation>A game for small children: steer Pokke with the arrow keys and eat the food within 80 seconds.</translation>
    </message>
    <message>
        <source>この せつめいを だして おわります</source>
        <translation>Show this help and exit.</translation>
    </message>
    <message>
        <source>バージョンを だして おわります</source>
        <translation>Show the version and exit.</translation>
    </message>
    <message>
        <source>ライセンス GPL-3+: GNU GPL バージョン 3 以降 &lt;https://gnu.org/licenses/gpl.html&gt;。これは フリーソフトウェアです。かえることも くばることも できます。ほうりつで ゆるされる かぎり、なんの ほしょうも ありません。</source>
        <translation>License GPL-3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;. This is free software: you are free to change and redistribute it. There is NO WARRANTY, to the extent permitted by law.</translation>
    </message>
    <message>
        <source>「%1」という ことばは ありません。デスクトップの ことばで はじめます</source>
        <translation>There is no language &quot;%1&quot;; the game starts in the desktop&apos;s language</translation>
    </message>
    <message>
        <source>この ことばで はじめます: %1</source>
        <translation>Start in this language: %1.</translation>
    </message>
    <message>
        <source>おんがくなしで はじめます</source>
        <translation>Start without music.</translation>
    </message>
    <message>
        <source>ゲームの はやさ N で はじめます: %1 から %2、ちいさいほど はやい (ふつうは %3)</source>
        <translation>Start at game speed N: %1 to %2, smaller is faster (usually %3).</translation>
    </message>
    <message>
        <source>こどもロック: ぜんがめんで、おとなが Ctrl+Shift+Q で おわるまで つづきます</source>
        <translation>Child lock: full screen, and the game goes on until a grown-up ends it with Ctrl+Shift+Q.</translation>
    </message>
    <message>
        <source>%1 は わからないので、つかわずに はじめます</source>
        <translation>%1 is not known; the game starts without it</translation>
    </message>
    <message>
        <source>%1 の あとに あたいが ないので、つかわずに はじめます</source>
        <translation>%1 needs a value; the game starts without it</translation>
    </message>
    <message>
        <source>はやさ %1 は つかえません: %2 から %3 の かずです。%4 で はじめます</source>
        <translation>Speed %1 cannot be used: it is a number from %2 to %3. The game starts at %4</translation>
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
        <translation>Arcade game for small children</translation>
    </message>
    <message>
        <source>ぽっけを うごかして たべものを たべよう</source>
        <translation>Steer Pokke around the field and eat the food before time runs out</translation>
    </message>
    <message>
        <source>こども;ゲーム;ぽっけ;たべもの;</source>
        <translation>kids;children;arcade;food;Pokke;</translation>
    </message>
    <message>
        <source>ぜんがめんで あそぶ</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>こどもロックで あそぶ</source>
        <translation>Child lock</translation>
    </message>
    <message>
        <source>おんがくなしで あそぶ</source>
        <translation>Without music</translation>
    </message>
    <message>
        <source>ちいさな こどもの ための ゲーム</source>
        <translation>A gentle arcade game for small children</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>デスクトップから はじめるか、DISPLAY に うごいている X サーバーを いれてください。</source>
        <translation>Start the game from a desktop session, or set DISPLAY to a running X server.</translation>
    </message>
    <message>
        <source>X の がめんが ありません (DISPLAY が ありません)。</source>
        <translation>There is no X display (DISPLAY is not set).</translation>
    </message>
    <message>
        <source>X の がめん &quot;%1&quot; が ひらけません。</source>
        <translation>Cannot open the X display &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>不明なエラー</source>
        <translation>Unknown error</translation>
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
        <translation>Value must be between %1 and %2</translation>
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
        <translation>• To start a game
    press Enter (the bent arrow key)
• Move Pokke and eat
    as much as you can
• Keys 2, 4, 6 and 8 move Pokke
    (the arrow keys work too)
• A game lasts 80 seconds
• To finish, click the × of the window;
    Escape stops or ends the game too</translation>
    </message>
    <message>
        <source>・おばけを  たべると  げんてんです

・ぜんぶ  たべると  ボーナス！

・おばけは  のこしても  いいです

・すききらいは  いけません

・メニューをつかうとわかりやすい</source>
        <translation>• Eating the ghost costs points

• Eat everything for a bonus!

• You may leave the ghost alone

• Don&apos;t be a picky eater

• The menus make it easier</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>ホームフォルダが わからないので できません</source>
        <translation>Your home folder is not known, so the game cannot start</translation>
    </message>
    <message>
        <source>%1 が フォルダでは ないので できません</source>
        <translation>%1 is not a folder, so the game cannot start</translation>
    </message>
    <message>
        <source>%1 を つくれないので できません</source>
        <translation>%1 cannot be made, so the game cannot start</translation>
    </message>
    <message>
        <source>%1 に かきこめないので できません</source>
        <translation>%1 cannot be written to, so the game cannot start</translation>
    </message>
    <message>
        <source>%1 に はいれないので できません</source>
        <translation>%1 cannot be opened, so the game cannot start</translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>MCI ﾃﾞﾊﾞｲｽがありません</source>
        <translation>There is no music device</translation>
    </message>
    <message>
        <source>音楽データが ありません</source>
        <translation>There is no music data</translation>
    </message>
    <message>
        <source>%1 が よめません</source>
        <translation>Cannot read %1</translation>
    </message>
    <message>
        <source>%1 は MIDI データではありません</source>
        <translation>%1 is not MIDI music</translation>
    </message>
    <message>
        <source>%1 の MIDI データが こわれています</source>
        <translation>The MIDI music in %1 is broken</translation>
    </message>
    <message>
        <source>%1 の MIDI データの形式には 対応していません</source>
        <translation>The kind of MIDI music in %1 is not supported</translation>
    </message>
    <message>
        <source>音楽を鳴らす準備が できません</source>
        <translation>Cannot get the music ready to play</translation>
    </message>
    <message>
        <source>音楽用の音色データ (SoundFont) が見つかりません</source>
        <translation>No instrument sounds (SoundFont) for the music were found</translation>
    </message>
    <message>
        <source>音を出す装置が使えません</source>
        <translation>The sound device cannot be used</translation>
    </message>
</context>
<context>
    <name>NamePrompt</name>
    <message>
        <source>EnterName</source>
        <translation>Your Name</translation>
    </message>
    <message>
        <source>なまえをいれよう</source>
        <translation>Type in your name</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています</source>
        <translation>List index out of bounds</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 は大きすぎて開けません</source>
        <translation>The file %1 is too large to open</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 は開けません</source>
        <translation>Cannot open the file %1</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 を作成できません</source>
        <translation>Cannot create the file %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>&apos;%1&apos; is not a whole number</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 の名前を変更できません</source>
        <translation>Cannot rename the file %1</translation>
    </message>
    <message>
        <source>%1 を %2 という なまえで のこして、せいせきを はじめから つけなおしますか?</source>
        <translation>Keep %1 under the name %2 and start the scores afresh?</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Time: %1 秒</source>
        <translation>Time: %1 s</translation>
    </message>
    <message>
        <source>Point: %1 点</source>
        <translation>Points: %1</translation>
    </message>
    <message>
        <source>Wait: %1</source>
        <translation>Wait: %1</translation>
    </message>
    <message>
        <source>ｴﾝﾀｰｷｰを おしてね</source>
        <translation>Press Enter!</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ中  がんばれ！！</source>
        <translation>Playing  Go for it!!</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ  ていし・・・</source>
        <translation>Game  paused...</translation>
    </message>
    <message>
        <source>おわり！てをはなして</source>
        <translation>Time&apos;s up! Let go!</translation>
    </message>
</context>
<context>
    <name>porimogu::ChildLock</name>
    <message>
        <source>まだ あそべるよ！</source>
        <translation>You can keep playing!</translation>
    </message>
    <message>
        <source>おとなの かたへ：
この 3つの キーを いっしょに おすと、ゲームが おわります。</source>
        <translation>For grown-ups:
press these three keys together to end the game.</translation>
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
        <translation>Version</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ぽりもぐゲーム</source>
        <translation>Porimogu</translation>
    </message>
    <message>
        <source>Version 2</source>
        <translation>Version 2</translation>
    </message>
    <message>
        <source>ちいさな みんなへ</source>
        <translation>For all little ones</translation>
    </message>
    <message>
        <source>ぽっけより</source>
        <translation>From Pokke</translation>
    </message>
    <message>
        <source>ゲームのはやさ  40</source>
        <translation>Game speed  40</translation>
    </message>
    <message>
        <source>表示されているｳｨﾝﾄﾞｳをﾓｰﾀﾞﾙにすることはできません</source>
        <translation>Cannot make a visible window modal</translation>
    </message>
    <message>
        <source>ゲームのはやさ%1</source>
        <translation>Game speed %1</translation>
    </message>
</context>
<context>
    <name>porimogu::THelpBox</name>
    <message>
        <source>へるぷ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ゲームのしかた</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hints</translation>
    </message>
</context>
<context>
    <name>porimogu::TMainForm</name>
    <message>
        <source>もういちど おすと おわります</source>
        <translation>Press again to quit</translation>
    </message>
    <message>
        <source>ゲーム (&amp;G)</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>スタート (&amp;S)</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>ていし (&amp;P)</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>やめる (&amp;Q)</source>
        <translation>&amp;End this game</translation>
    </message>
    <message>
        <source>せいせき (&amp;T)</source>
        <translation>&amp;Top ten</translation>
    </message>
    <message>
        <source>おわり (&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>せってい (&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>ゲームのはやさ (&amp;V)</source>
        <translation>Game &amp;speed</translation>
    </message>
    <message>
        <source>おんがくつき (&amp;M)</source>
        <translation>&amp;Music</translation>
    </message>
    <message>
        <source>なにかへんだ (&amp;S)</source>
        <translation>Something &amp;odd</translation>
    </message>
    <message>
        <source>へるぷ (&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>そうさのしかた (&amp;K)</source>
        <translation>&amp;How to play</translation>
    </message>
    <message>
        <source>ヴァージョン (&amp;V)</source>
        <translation>&amp;Version</translation>
    </message>
    <message>
        <source>音楽データが ありません</source>
        <translation>There is no music data</translation>
    </message>
    <message>
        <source>game.bmp がないので できません</source>
        <translation>game.bmp is missing, so the game cannot start</translation>
    </message>
    <message>
        <source>game.bmp が よめないので できません</source>
        <translation>game.bmp cannot be read, so the game cannot start</translation>
    </message>
</context>
<context>
    <name>porimogu::TTopDlg</name>
    <message>
        <source>TopList Dialog</source>
        <translation>Top Ten</translation>
    </message>
    <message>
        <source>Tops-List</source>
        <translation>Top Ten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>  Name</source>
        <translation>  Name</translation>
    </message>
    <message>
        <source>  Points</source>
        <translation>  Points</translation>
    </message>
    <message>
        <source>  Date</source>
        <translation>  Date</translation>
    </message>
</context>
</TS>
