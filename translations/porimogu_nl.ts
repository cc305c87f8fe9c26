<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="ja">
<context>
    <name>Boxes</name>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;Nee</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>中止(&amp;A)</source>
        <translation>&amp;Afbreken</translation>
    </message>
    <message>
        <source>再試行(&amp;R)</source>
        <translation>&amp;Opnieuw</translation>
    </message>
    <message>
        <source>無視(&amp;I)</source>
        <translation>Ne&amp;geren</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>ｴﾗｰ</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>その もじは つかえません</source>
        <translation>Die letter kun je niet gebruiken</translation>
    </message>
    <message>
        <source>%1 は %2 で かくね</source>
        <translation>%1 wordt geschreven als %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>ぜんがめんで はじめます (F11 で きりかえ)</source>
        <translation>Begin op het volle scherm (F11 wisselt).</translation>
    </message>
    <message>
        <source>つかいかた: %1 [オプション]...</source>
        <translation>Gebruik: %1 [OPTIE]...</translation>
    </message>
    <message>
        <source>ちいさな こどもの ための ゲームです。ぽっけを やじるしキーで うごかして、80 びょうの あいだに たべものを たべます。</source>
        <translation>Een spel voor kleine kinderen: beweeg Pokke met de pijltjestoetsen en eet binnen 80 seconden het eten op.</translation>
    </message>
    <message>
        <source>この せつめいを だして おわります</source>
        <translation>Toon deze hulp en stop.</translation>
    </message>
    <message>
        <source>バージョンを だして おわります</source>
        <translation>Toon de versie en stop.</translation>
    </message>
    <message>
        <source>ライセンス GPL-3+: GNU GPL バージョン 3 以降 &lt;https://gnu.org/licenses/gpl.html&gt;。これは フリーソフトウェアです。かえることも くばることも できます。ほうりつで ゆるされる かぎり、なんの ほしょうも ありません。</source>
        <translation>Licentie GPL-3+: GNU GPL versie 3 of later &lt;https://gnu.org/licenses/gpl.html&gt;. Dit is vrije software: je mag het veranderen en verder verspreiden. Er is GEEN GARANTIE, voor zover de wet dit toestaat.</translation>
    </message>
    <message>
        <source>「%1」という ことばは ありません。デスクトップの ことばで はじめます</source>
        <translation>De taal &quot;%1&quot; bestaat niet; het spel begint in de taal van het bureaublad</translation>
    </message>
    <message>
        <source>この ことばで はじめます: %1</source>
        <translation>Begin in deze taal: %1.</translation>
    </message>
    <message>
        <source>おんがくなしで はじめます</source>
        <translation>Beginnen zonder muziek.</translation>
    </message>
    <message>
        <source>ゲームの はやさ N で はじめます: %1 から %2、ちいさいほど はやい (ふつうは %3)</source>
        <translation>Beginnen met snelheid N: %1 tot %2, kleiner is sneller (gewoon %3).</translation>
    </message>
    <message>
        <source>こどもロック: ぜんがめんで、おとなが Ctrl+Shift+Q で おわるまで つづきます</source>
        <translation>Kinderslot: volledig scherm, en het spel gaat door tot een volwassene het stopt met Ctrl+Shift+Q.</translation>
    </message>
    <message>
        <source>%1 は わからないので、つかわずに はじめます</source>
        <translation>%1 is onbekend; het spel begint zonder</translation>
    </message>
    <message>
        <source>%1 の あとに あたいが ないので、つかわずに はじめます</source>
        <translation>%1 heeft een waarde nodig; het spel begint zonder</translation>
    </message>
    <message>
        <source>はやさ %1 は つかえません: %2 から %3 の かずです。%4 で はじめます</source>
        <translation>Snelheid %1 kan niet: het is een getal van %2 tot %3. Het spel begint met %4</translation>
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
        <translation>Spel voor kleine kinderen</translation>
    </message>
    <message>
        <source>ぽっけを うごかして たべものを たべよう</source>
        <translation>Beweeg Pokke en eet het eten op</translation>
    </message>
    <message>
        <source>こども;ゲーム;ぽっけ;たべもの;</source>
        <translation>kinderen;kleuters;spel;spelletje;eten;Pokke;</translation>
    </message>
    <message>
        <source>ぜんがめんで あそぶ</source>
        <translation>Spelen op het volle scherm</translation>
    </message>
    <message>
        <source>こどもロックで あそぶ</source>
        <translation>Spelen met kinderslot</translation>
    </message>
    <message>
        <source>おんがくなしで あそぶ</source>
        <translation>Spelen zonder muziek</translation>
    </message>
    <message>
        <source>ちいさな こどもの ための ゲーム</source>
        <translation>Een spel voor kleine kinderen</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>デスクトップから はじめるか、DISPLAY に うごいている X サーバーを いれてください。</source>
        <translation>Start het spel vanaf het bureaublad, of zet DISPLAY op een draaiende X-server.</translation>
    </message>
    <message>
        <source>X の がめんが ありません (DISPLAY が ありません)。</source>
        <translation>Er is geen X-scherm (DISPLAY is niet ingesteld).</translation>
    </message>
    <message>
        <source>X の がめん &quot;%1&quot; が ひらけません。</source>
        <translation>Het X-scherm &quot;%1&quot; gaat niet open.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>不明なエラー</source>
        <translation>Onbekende fout</translation>
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
        <translation>De waarde moet tussen %1 en %2 liggen</translation>
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
        <translation>• Een spel beginnen:
    druk op Enter (de kromme pijltoets)
• Beweeg Pokke en eet
    zo veel als je kunt
• Toetsen 2, 4, 6 en 8 bewegen Pokke
    (de pijltjestoetsen werken ook)
• Een spel duurt 80 seconden
• Stoppen: klik gewoon op het ×;
    met Escape stop of pauzeer je ook</translation>
    </message>
    <message>
        <source>・おばけを  たべると  げんてんです

・ぜんぶ  たべると  ボーナス！

・おばけは  のこしても  いいです

・すききらいは  いけません

・メニューをつかうとわかりやすい</source>
        <translation>• Het spookje opeten kost punten

• Eet alles op voor een bonus!

• Het spookje mag je laten liggen

• Niet kieskeurig zijn!

• Met de menu&apos;s is alles makkelijker</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>ホームフォルダが わからないので できません</source>
        <translation>Je thuismap is niet bekend, dus het spel kan niet beginnen</translation>
    </message>
    <message>
        <source>%1 が フォルダでは ないので できません</source>
        <translation>%1 is geen map, dus het spel kan niet beginnen</translation>
    </message>
    <message>
        <source>%1 を つくれないので できません</source>
        <translation>%1 kan niet gemaakt worden, dus het spel kan niet beginnen</translation>
    </message>
    <message>
        <source>%1 に かきこめないので できません</source>
        <translation>In %1 kan niet geschreven worden, dus het spel kan niet beginnen</translation>
    </message>
    <message>
        <source>%1 に はいれないので できません</source>
        <translation>%1 kan niet geopend worden, dus het spel kan niet beginnen</translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>MCI ﾃﾞﾊﾞｲｽがありません</source>
        <translation>Er is geen muziekapparaat</translation>
    </message>
    <message>
        <source>音楽データが ありません</source>
        <translation>Er zijn geen muziekgegevens</translation>
    </message>
    <message>
        <source>%1 が よめません</source>
        <translation>%1 kan niet gelezen worden</translation>
    </message>
    <message>
        <source>%1 は MIDI データではありません</source>
        <translation>%1 is geen MIDI-muziek</translation>
    </message>
    <message>
        <source>%1 の MIDI データが こわれています</source>
        <translation>De MIDI-muziek in %1 is kapot</translation>
    </message>
    <message>
        <source>%1 の MIDI データの形式には 対応していません</source>
        <translation>Dit soort MIDI-muziek in %1 wordt niet ondersteund</translation>
    </message>
    <message>
        <source>音楽を鳴らす準備が できません</source>
        <translation>De muziek kan niet klaargezet worden</translation>
    </message>
    <message>
        <source>音楽用の音色データ (SoundFont) が見つかりません</source>
        <translation>Er zijn geen instrumentgeluiden (SoundFont) voor de muziek gevonden</translation>
    </message>
    <message>
        <source>音を出す装置が使えません</source>
        <translation>Het geluidsapparaat kan niet gebruikt worden</translation>
    </message>
</context>
<context>
    <name>NamePrompt</name>
    <message>
        <source>EnterName</source>
        <translation>Je naam</translation>
    </message>
    <message>
        <source>なまえをいれよう</source>
        <translation>Typ je naam</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています</source>
        <translation>Lijstindex buiten het bereik</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 は大きすぎて開けません</source>
        <translation>Het bestand %1 is te groot om te openen</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 は開けません</source>
        <translation>Het bestand %1 kan niet geopend worden</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 を作成できません</source>
        <translation>Het bestand %1 kan niet gemaakt worden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>&apos;%1&apos; is geen heel getal</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 の名前を変更できません</source>
        <translation>Het bestand %1 kan niet hernoemd worden</translation>
    </message>
    <message>
        <source>%1 を %2 という なまえで のこして、せいせきを はじめから つけなおしますか?</source>
        <translation>%1 bewaren onder de naam %2 en de scores opnieuw beginnen?</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Time: %1 秒</source>
        <translation>Tijd: %1 s</translation>
    </message>
    <message>
        <source>Point: %1 点</source>
        <translation>Score: %1</translation>
    </message>
    <message>
        <source>Wait: %1</source>
        <translation>Wacht: %1</translation>
    </message>
    <message>
        <source>ｴﾝﾀｰｷｰを おしてね</source>
        <translation>Druk op Enter!</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ中  がんばれ！！</source>
        <translation>Spelen  Zet hem op!!</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ  ていし・・・</source>
        <translation>Spel  pauze...</translation>
    </message>
    <message>
        <source>おわり！てをはなして</source>
        <translation>Klaar! Laat maar los!</translation>
    </message>
</context>
<context>
    <name>porimogu::ChildLock</name>
    <message>
        <source>まだ あそべるよ！</source>
        <translation>Je kunt verder spelen!</translation>
    </message>
    <message>
        <source>おとなの かたへ：
この 3つの キーを いっしょに おすと、ゲームが おわります。</source>
        <translation>Voor volwassenen:
druk deze drie toetsen samen in om het spel te stoppen.</translation>
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
        <translation>Versie</translation>
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
        <translation>Versie 2</translation>
    </message>
    <message>
        <source>ちいさな みんなへ</source>
        <translation>Voor alle kleintjes</translation>
    </message>
    <message>
        <source>ぽっけより</source>
        <translation>Van Pokke</translation>
    </message>
    <message>
        <source>ゲームのはやさ  40</source>
        <translation>Spelsnelheid  40</translation>
    </message>
    <message>
        <source>表示されているｳｨﾝﾄﾞｳをﾓｰﾀﾞﾙにすることはできません</source>
        <translation>Een zichtbaar venster kan niet modaal worden</translation>
    </message>
    <message>
        <source>ゲームのはやさ%1</source>
        <translation>Spelsnelheid %1</translation>
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
        <translation>Zo speel je</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Tips</translation>
    </message>
</context>
<context>
    <name>porimogu::TMainForm</name>
    <message>
        <source>もういちど おすと おわります</source>
        <translation>Druk nog eens om te stoppen</translation>
    </message>
    <message>
        <source>ゲーム (&amp;G)</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>スタート (&amp;S)</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>ていし (&amp;P)</source>
        <translation>&amp;Pauze</translation>
    </message>
    <message>
        <source>やめる (&amp;Q)</source>
        <translation>Spel &amp;beëindigen</translation>
    </message>
    <message>
        <source>せいせき (&amp;T)</source>
        <translation>&amp;Top tien</translation>
    </message>
    <message>
        <source>おわり (&amp;X)</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>せってい (&amp;O)</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>ゲームのはやさ (&amp;V)</source>
        <translation>Spel&amp;snelheid</translation>
    </message>
    <message>
        <source>おんがくつき (&amp;M)</source>
        <translation>&amp;Muziek</translation>
    </message>
    <message>
        <source>なにかへんだ (&amp;S)</source>
        <translation>Iets &amp;raars</translation>
    </message>
    <message>
        <source>へるぷ (&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>そうさのしかた (&amp;K)</source>
        <translation>&amp;Zo speel je</translation>
    </message>
    <message>
        <source>ヴァージョン (&amp;V)</source>
        <translation>&amp;Versie</translation>
    </message>
    <message>
        <source>音楽データが ありません</source>
        <translation>Er zijn geen muziekgegevens</translation>
    </message>
    <message>
        <source>game.bmp がないので できません</source>
        <translation>game.bmp ontbreekt, dus het spel kan niet beginnen</translation>
    </message>
    <message>
        <source>game.bmp が よめないので できません</source>
        <translation>game.bmp kan niet gelezen worden, dus het spel kan niet beginnen</translation>
    </message>
</context>
<context>
    <name>porimogu::TTopDlg</name>
    <message>
        <source>TopList Dialog</source>
        <translation>Top tien</translation>
    </message>
    <message>
        <source>Tops-List</source>
        <translation>Top tien</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>  Name</source>
        <translation>  Naam</translation>
    </message>
    <message>
        <source>  Points</source>
        <translation>  Punten</translation>
    </message>
    <message>
        <source>  Date</source>
        <translation>  Datum</translation>
    </message>
</context>
</TS>
