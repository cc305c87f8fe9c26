<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="ja">
<context>
    <name>Boxes</name>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>中止(&amp;A)</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>再試行(&amp;R)</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>無視(&amp;I)</source>
        <translation>&amp;Ignorieren</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>ｴﾗｰ</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>その もじは つかえません</source>
        <translation>Dieser Buchstabe geht leider nicht</translation>
    </message>
    <message>
        <source>%1 は %2 で かくね</source>
        <translation>%1 wird als %2 geschrieben</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>ぜんがめんで はじめます (F11 で きりかえ)</source>
        <translation>Im Vollbild starten (F11 schaltet um).</translation>
    </message>
    <message>
        <source>つかいかた: %1 [オプション]...</source>
        <translation>Aufruf: %1 [OPTION]...</translation>
    </message>
    <message>
        <source>ちいさな こどもの ための ゲームです。ぽっけを やじるしキーで うごかして、80 びょうの あいだに たべものを たべます。</source>
        <translation>Ein Spiel für kleine Kinder: Pokke mit den Pfeiltasten lenken und in 80 Sekunden das Essen aufessen.</translation>
    </message>
    <message>
        <source>この せつめいを だして おわります</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>バージョンを だして おわります</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>ライセンス GPL-3+: GNU GPL バージョン 3 以降 &lt;https://gnu.org/licenses/gpl.html&gt;。これは フリーソフトウェアです。かえることも くばることも できます。ほうりつで ゆるされる かぎり、なんの ほしょうも ありません。</source>
        <translation>Lizenz GPL-3+: GNU GPL Version 3 oder neuer &lt;https://gnu.org/licenses/gpl.html&gt;. Dies ist freie Software: Sie dürfen sie verändern und weitergeben. Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.</translation>
    </message>
    <message>
        <source>「%1」という ことばは ありません。デスクトップの ことばで はじめます</source>
        <translation>Die Sprache &quot;%1&quot; gibt es nicht; das Spiel startet in der Sprache des Desktops</translation>
    </message>
    <message>
        <source>この ことばで はじめます: %1</source>
        <translation>In dieser Sprache starten: %1.</translation>
    </message>
    <message>
        <source>おんがくなしで はじめます</source>
        <translation>Ohne Musik starten.</translation>
    </message>
    <message>
        <source>ゲームの はやさ N で はじめます: %1 から %2、ちいさいほど はやい (ふつうは %3)</source>
        <translation>Mit Spieltempo N starten: %1 bis %2, kleiner ist schneller (normal %3).</translation>
    </message>
    <message>
        <source>こどもロック: ぜんがめんで、おとなが Ctrl+Shift+Q で おわるまで つづきます</source>
        <translation>Kindersicherung: Vollbild, und das Spiel läuft, bis ein Erwachsener es mit Strg+Umschalt+Q beendet.</translation>
    </message>
    <message>
        <source>%1 は わからないので、つかわずに はじめます</source>
        <translation>%1 ist unbekannt; das Spiel startet ohne</translation>
    </message>
    <message>
        <source>%1 の あとに あたいが ないので、つかわずに はじめます</source>
        <translation>%1 braucht einen Wert; das Spiel startet ohne</translation>
    </message>
    <message>
        <source>はやさ %1 は つかえません: %2 から %3 の かずです。%4 で はじめます</source>
        <translation>Tempo %1 geht nicht: erlaubt ist eine Zahl von %2 bis %3. Das Spiel startet mit %4</translation>
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
        <translation>Spiel für kleine Kinder</translation>
    </message>
    <message>
        <source>ぽっけを うごかして たべものを たべよう</source>
        <translation>Beweg Pokke und iss das Essen auf</translation>
    </message>
    <message>
        <source>こども;ゲーム;ぽっけ;たべもの;</source>
        <translation>Kinder;Kinderspiel;Kleinkind;Spiel;Essen;Pokke;</translation>
    </message>
    <message>
        <source>ぜんがめんで あそぶ</source>
        <translation>Im Vollbild spielen</translation>
    </message>
    <message>
        <source>こどもロックで あそぶ</source>
        <translation>Mit Kindersicherung spielen</translation>
    </message>
    <message>
        <source>おんがくなしで あそぶ</source>
        <translation>Ohne Musik spielen</translation>
    </message>
    <message>
        <source>ちいさな こどもの ための ゲーム</source>
        <translation>Ein Spiel extra für kleine Kinder</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>デスクトップから はじめるか、DISPLAY に うごいている X サーバーを いれてください。</source>
        <translation>Starte das Spiel auf dem Desktop oder setze DISPLAY auf einen laufenden X-Server.</translation>
    </message>
    <message>
        <source>X の がめんが ありません (DISPLAY が ありません)。</source>
        <translation>Es gibt keine X-Anzeige (DISPLAY ist nicht gesetzt).</translation>
    </message>
    <message>
        <source>X の がめん &quot;%1&quot; が ひらけません。</source>
        <translation>Die X-Anzeige &quot;%1&quot; lässt sich nicht öffnen.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>不明なエラー</source>
        <translation>Unbekannter Fehler</translation>
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
        <translation>Der Wert muss zwischen %1 und %2 liegen</translation>
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
        <translation>• Zum Starten drück Enter
    (die Taste mit dem Knickpfeil)
• Lauf mit Pokke und iss
    so viel du kannst
• Die Tasten 2, 4, 6 und 8 lenken Pokke
    (die Pfeiltasten gehen auch)
• Ein Spiel dauert 80 Sekunden
• Zum Aufhören klick auf das ×;
    mit Esc hältst du an oder hörst auf</translation>
    </message>
    <message>
        <source>・おばけを  たべると  げんてんです

・ぜんぶ  たべると  ボーナス！

・おばけは  のこしても  いいです

・すききらいは  いけません

・メニューをつかうとわかりやすい</source>
        <translation>• Wer das Gespenst isst, verliert Punkte

• Alles aufessen gibt einen Bonus!

• Das Gespenst darfst du übrig lassen

• Nicht wählerisch sein!

• Mit den Menüs geht es leichter</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>ホームフォルダが わからないので できません</source>
        <translation>Der Home-Ordner ist nicht bekannt, darum kann das Spiel nicht starten</translation>
    </message>
    <message>
        <source>%1 が フォルダでは ないので できません</source>
        <translation>%1 ist kein Ordner, darum kann das Spiel nicht starten</translation>
    </message>
    <message>
        <source>%1 を つくれないので できません</source>
        <translation>%1 kann nicht angelegt werden, darum kann das Spiel nicht starten</translation>
    </message>
    <message>
        <source>%1 に かきこめないので できません</source>
        <translation>In %1 kann nicht geschrieben werden, darum kann das Spiel nicht starten</translation>
    </message>
    <message>
        <source>%1 に はいれないので できません</source>
        <translation>%1 kann nicht geöffnet werden, darum kann das Spiel nicht starten</translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>MCI ﾃﾞﾊﾞｲｽがありません</source>
        <translation>Es gibt kein Gerät für Musik</translation>
    </message>
    <message>
        <source>音楽データが ありません</source>
        <translation>Es gibt keine Musikdaten</translation>
    </message>
    <message>
        <source>%1 が よめません</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 は MIDI データではありません</source>
        <translation>%1 ist keine MIDI-Musik</translation>
    </message>
    <message>
        <source>%1 の MIDI データが こわれています</source>
        <translation>Die MIDI-Musik in %1 ist kaputt</translation>
    </message>
    <message>
        <source>%1 の MIDI データの形式には 対応していません</source>
        <translation>Diese Art MIDI-Musik (%1) wird nicht unterstützt</translation>
    </message>
    <message>
        <source>音楽を鳴らす準備が できません</source>
        <translation>Die Musik kann nicht vorbereitet werden</translation>
    </message>
    <message>
        <source>音楽用の音色データ (SoundFont) が見つかりません</source>
        <translation>Keine Instrumentenklänge (SoundFont) für die Musik gefunden</translation>
    </message>
    <message>
        <source>音を出す装置が使えません</source>
        <translation>Das Tongerät kann nicht benutzt werden</translation>
    </message>
</context>
<context>
    <name>NamePrompt</name>
    <message>
        <source>EnterName</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>なまえをいれよう</source>
        <translation>Schreib deinen Namen</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています</source>
        <translation>Listenindex außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 は大きすぎて開けません</source>
        <translation>Die Datei %1 ist zu groß zum Öffnen</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 は開けません</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 を作成できません</source>
        <translation>Die Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>„%1“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 の名前を変更できません</source>
        <translation>Die Datei %1 kann nicht umbenannt werden</translation>
    </message>
    <message>
        <source>%1 を %2 という なまえで のこして、せいせきを はじめから つけなおしますか?</source>
        <translation>%1 als %2 aufheben und die Bestenliste neu beginnen?</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Time: %1 秒</source>
        <translation>Zeit %1 s</translation>
    </message>
    <message>
        <source>Point: %1 点</source>
        <translation>Punkte %1</translation>
    </message>
    <message>
        <source>Wait: %1</source>
        <translation>Warte %1</translation>
    </message>
    <message>
        <source>ｴﾝﾀｰｷｰを おしてね</source>
        <translation>Drück die Enter-Taste!</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ中  がんばれ！！</source>
        <translation>Spiel läuft  Los, los!!</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ  ていし・・・</source>
        <translation>Spiel  Pause...</translation>
    </message>
    <message>
        <source>おわり！てをはなして</source>
        <translation>Ende! Lass los!</translation>
    </message>
</context>
<context>
    <name>porimogu::ChildLock</name>
    <message>
        <source>まだ あそべるよ！</source>
        <translation>Du kannst weiterspielen!</translation>
    </message>
    <message>
        <source>おとなの かたへ：
この 3つの キーを いっしょに おすと、ゲームが おわります。</source>
        <translation>Für Erwachsene:
Diese drei Tasten zusammen drücken beendet das Spiel.</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Strg</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
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
        <translation>Für alle Kleinen</translation>
    </message>
    <message>
        <source>ぽっけより</source>
        <translation>Von Pokke</translation>
    </message>
    <message>
        <source>ゲームのはやさ  40</source>
        <translation>Spieltempo  40</translation>
    </message>
    <message>
        <source>表示されているｳｨﾝﾄﾞｳをﾓｰﾀﾞﾙにすることはできません</source>
        <translation>Ein sichtbares Fenster kann nicht modal werden</translation>
    </message>
    <message>
        <source>ゲームのはやさ%1</source>
        <translation>Spieltempo %1</translation>
    </message>
</context>
<context>
    <name>porimogu::THelpBox</name>
    <message>
        <source>へるぷ</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ゲームのしかた</source>
        <translation>So geht&apos;s</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Tipps</translation>
    </message>
</context>
<context>
    <name>porimogu::TMainForm</name>
    <message>
        <source>もういちど おすと おわります</source>
        <translation>Noch mal drücken zum Beenden</translation>
    </message>
    <message>
        <source>ゲーム (&amp;G)</source>
        <translation>&amp;Spiel</translation>
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
        <translation>Spiel &amp;abbrechen</translation>
    </message>
    <message>
        <source>せいせき (&amp;T)</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>おわり (&amp;X)</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>せってい (&amp;O)</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>ゲームのはやさ (&amp;V)</source>
        <translation>Spiel&amp;tempo</translation>
    </message>
    <message>
        <source>おんがくつき (&amp;M)</source>
        <translation>&amp;Musik</translation>
    </message>
    <message>
        <source>なにかへんだ (&amp;S)</source>
        <translation>Etwas ist &amp;komisch</translation>
    </message>
    <message>
        <source>へるぷ (&amp;H)</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>そうさのしかた (&amp;K)</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>ヴァージョン (&amp;V)</source>
        <translation>&amp;Version</translation>
    </message>
    <message>
        <source>音楽データが ありません</source>
        <translation>Es gibt keine Musikdaten</translation>
    </message>
    <message>
        <source>game.bmp がないので できません</source>
        <translation>game.bmp fehlt, darum kann das Spiel nicht starten</translation>
    </message>
    <message>
        <source>game.bmp が よめないので できません</source>
        <translation>game.bmp ist nicht lesbar, darum kann das Spiel nicht starten</translation>
    </message>
</context>
<context>
    <name>porimogu::TTopDlg</name>
    <message>
        <source>TopList Dialog</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Tops-List</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>  Name</source>
        <translation>  Name</translation>
    </message>
    <message>
        <source>  Points</source>
        <translation>  Punkte</translation>
    </message>
    <message>
        <source>  Date</source>
        <translation>  Datum</translation>
    </message>
</context>
</TS>
