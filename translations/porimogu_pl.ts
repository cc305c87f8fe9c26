<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="ja">
<context>
    <name>Boxes</name>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>中止(&amp;A)</source>
        <translation>&amp;Przerwij</translation>
    </message>
    <message>
        <source>再試行(&amp;R)</source>
        <translation>P&amp;onów</translation>
    </message>
    <message>
        <source>無視(&amp;I)</source>
        <translation>&amp;Zignoruj</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>Po&amp;moc</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>ｴﾗｰ</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Potwierdzenie</translation>
    </message>
    <message>
        <source>その もじは つかえません</source>
        <translation>Tej litery nie można użyć</translation>
    </message>
    <message>
        <source>%1 は %2 で かくね</source>
        <translation>%1 piszemy jako %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>ぜんがめんで はじめます (F11 で きりかえ)</source>
        <translation>Uruchom na pełnym ekranie (F11 przełącza).</translation>
    </message>
    <message>
        <source>つかいかた: %1 [オプション]...</source>
        <translation>Użycie: %1 [OPCJA]...</translation>
    </message>
    <message>
        <source>ちいさな こどもの ための ゲームです。ぽっけを やじるしキーで うごかして、80 びょうの あいだに たべものを たべます。</source>
        <translation>Gra dla małych dzieci: poruszaj Pokke strzałkami i zjedz jedzenie w ciągu 80 sekund.</translation>
    </message>
    <message>
        <source>この せつめいを だして おわります</source>
        <translation>Pokaż tę pomoc i zakończ.</translation>
    </message>
    <message>
        <source>バージョンを だして おわります</source>
        <translation>Pokaż wersję i zakończ.</translation>
    </message>
    <message>
        <source>ライセンス GPL-3+: GNU GPL バージョン 3 以降 &lt;https://gnu.org/licenses/gpl.html&gt;。これは フリーソフトウェアです。かえることも くばることも できます。ほうりつで ゆるされる かぎり、なんの ほしょうも ありません。</source>
        <translation>Licencja GPL-3+: GNU GPL w wersji 3 lub późniejszej &lt;https://gnu.org/licenses/gpl.html&gt;. To jest wolne oprogramowanie: można je zmieniać i rozpowszechniać. Nie ma ŻADNEJ GWARANCJI w zakresie dopuszczalnym przez prawo.</translation>
    </message>
    <message>
        <source>「%1」という ことばは ありません。デスクトップの ことばで はじめます</source>
        <translation>Nie ma języka „%1”; gra zaczyna się w języku pulpitu</translation>
    </message>
    <message>
        <source>この ことばで はじめます: %1</source>
        <translation>Uruchom w tym języku: %1.</translation>
    </message>
    <message>
        <source>おんがくなしで はじめます</source>
        <translation>Zacznij bez muzyki.</translation>
    </message>
    <message>
        <source>ゲームの はやさ N で はじめます: %1 から %2、ちいさいほど はやい (ふつうは %3)</source>
        <translation>Zacznij z prędkością N: od %1 do %2, mniej to szybciej (zwykle %3).</translation>
    </message>
    <message>
        <source>こどもロック: ぜんがめんで、おとなが Ctrl+Shift+Q で おわるまで つづきます</source>
        <translation>Blokada dziecięca: pełny ekran, a gra trwa, aż dorosły zamknie ją klawiszami Ctrl+Shift+Q.</translation>
    </message>
    <message>
        <source>%1 は わからないので、つかわずに はじめます</source>
        <translation>Nie znam %1; gra zaczyna się bez tego</translation>
    </message>
    <message>
        <source>%1 の あとに あたいが ないので、つかわずに はじめます</source>
        <translation>%1 potrzebuje wartości; gra zaczyna się bez tego</translation>
    </message>
    <message>
        <source>はやさ %1 は つかえません: %2 から %3 の かずです。%4 で はじめます</source>
        <translation>Prędkość %1 nie pasuje: to liczba od %2 do %3. Gra zaczyna z %4</translation>
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
        <translation>Gra dla małych dzieci</translation>
    </message>
    <message>
        <source>ぽっけを うごかして たべものを たべよう</source>
        <translation>Poruszaj Pokke i zjadaj jedzenie</translation>
    </message>
    <message>
        <source>こども;ゲーム;ぽっけ;たべもの;</source>
        <translation>dzieci;gra;maluchy;przedszkolak;jedzenie;Pokke;</translation>
    </message>
    <message>
        <source>ぜんがめんで あそぶ</source>
        <translation>Graj na pełnym ekranie</translation>
    </message>
    <message>
        <source>こどもロックで あそぶ</source>
        <translation>Graj z blokadą dla dziecka</translation>
    </message>
    <message>
        <source>おんがくなしで あそぶ</source>
        <translation>Graj bez muzyki</translation>
    </message>
    <message>
        <source>ちいさな こどもの ための ゲーム</source>
        <translation>Gra dla małych dzieci</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>デスクトップから はじめるか、DISPLAY に うごいている X サーバーを いれてください。</source>
        <translation>Uruchom grę z pulpitu albo ustaw DISPLAY na działający serwer X.</translation>
    </message>
    <message>
        <source>X の がめんが ありません (DISPLAY が ありません)。</source>
        <translation>Nie ma ekranu X (DISPLAY nie jest ustawione).</translation>
    </message>
    <message>
        <source>X の がめん &quot;%1&quot; が ひらけません。</source>
        <translation>Nie można otworzyć ekranu X „%1”.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>不明なエラー</source>
        <translation>Nieznany błąd</translation>
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
        <translation>Wartość musi być między %1 a %2</translation>
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
        <translation>• Aby zacząć grę,
    naciśnij Enter (zagięta strzałka)
• Poruszaj Pokke
    i zjedz jak najwięcej
• Klawisze 2, 4, 6 i 8 ruszają Pokke
    (strzałki też działają)
• Gra trwa 80 sekund
• Koniec: kliknij × w rogu okna;
    Escape też zatrzymuje lub kończy grę</translation>
    </message>
    <message>
        <source>・おばけを  たべると  げんてんです

・ぜんぶ  たべると  ボーナス！

・おばけは  のこしても  いいです

・すききらいは  いけません

・メニューをつかうとわかりやすい</source>
        <translation>• Zjedzenie duszka odbiera punkty

• Zjedz wszystko, a dostaniesz bonus!

• Duszka możesz zostawić

• Nie wybrzydzaj przy jedzeniu!

• Z menu jest łatwiej</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>ホームフォルダが わからないので できません</source>
        <translation>Nie wiadomo, gdzie jest folder domowy, więc gra nie może się zacząć</translation>
    </message>
    <message>
        <source>%1 が フォルダでは ないので できません</source>
        <translation>%1 nie jest folderem, więc gra nie może się zacząć</translation>
    </message>
    <message>
        <source>%1 を つくれないので できません</source>
        <translation>Nie można utworzyć %1, więc gra nie może się zacząć</translation>
    </message>
    <message>
        <source>%1 に かきこめないので できません</source>
        <translation>Nie można pisać w %1, więc gra nie może się zacząć</translation>
    </message>
    <message>
        <source>%1 に はいれないので できません</source>
        <translation>Nie można otworzyć %1, więc gra nie może się zacząć</translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>MCI ﾃﾞﾊﾞｲｽがありません</source>
        <translation>Nie ma urządzenia do muzyki</translation>
    </message>
    <message>
        <source>音楽データが ありません</source>
        <translation>Nie ma danych muzyki</translation>
    </message>
    <message>
        <source>%1 が よめません</source>
        <translation>Nie można odczytać %1</translation>
    </message>
    <message>
        <source>%1 は MIDI データではありません</source>
        <translation>%1 to nie jest muzyka MIDI</translation>
    </message>
    <message>
        <source>%1 の MIDI データが こわれています</source>
        <translation>Muzyka MIDI w %1 jest uszkodzona</translation>
    </message>
    <message>
        <source>%1 の MIDI データの形式には 対応していません</source>
        <translation>Ten rodzaj muzyki MIDI w %1 nie jest obsługiwany</translation>
    </message>
    <message>
        <source>音楽を鳴らす準備が できません</source>
        <translation>Nie można przygotować muzyki</translation>
    </message>
    <message>
        <source>音楽用の音色データ (SoundFont) が見つかりません</source>
        <translation>Nie znaleziono dźwięków instrumentów (SoundFont) do muzyki</translation>
    </message>
    <message>
        <source>音を出す装置が使えません</source>
        <translation>Nie można użyć urządzenia dźwiękowego</translation>
    </message>
</context>
<context>
    <name>NamePrompt</name>
    <message>
        <source>EnterName</source>
        <translation>Twoje imię</translation>
    </message>
    <message>
        <source>なまえをいれよう</source>
        <translation>Wpisz swoje imię</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています</source>
        <translation>Indeks listy poza zakresem</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 は大きすぎて開けません</source>
        <translation>Plik %1 jest za duży, aby go otworzyć</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 は開けません</source>
        <translation>Nie można otworzyć pliku %1</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 を作成できません</source>
        <translation>Nie można utworzyć pliku %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>„%1” nie jest liczbą całkowitą</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 の名前を変更できません</source>
        <translation>Nie można zmienić nazwy pliku %1</translation>
    </message>
    <message>
        <source>%1 を %2 という なまえで のこして、せいせきを はじめから つけなおしますか?</source>
        <translation>Zachować %1 pod nazwą %2 i zacząć wyniki od nowa?</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Time: %1 秒</source>
        <translation>Czas: %1 s</translation>
    </message>
    <message>
        <source>Point: %1 点</source>
        <translation>Wynik: %1</translation>
    </message>
    <message>
        <source>Wait: %1</source>
        <translation>Czekaj: %1</translation>
    </message>
    <message>
        <source>ｴﾝﾀｰｷｰを おしてね</source>
        <translation>Naciśnij Enter!</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ中  がんばれ！！</source>
        <translation>Gramy  Dasz radę!!</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ  ていし・・・</source>
        <translation>Gra  wstrzymana...</translation>
    </message>
    <message>
        <source>おわり！てをはなして</source>
        <translation>Koniec! Puść!</translation>
    </message>
</context>
<context>
    <name>porimogu::ChildLock</name>
    <message>
        <source>まだ あそべるよ！</source>
        <translation>Możesz grać dalej!</translation>
    </message>
    <message>
        <source>おとなの かたへ：
この 3つの キーを いっしょに おすと、ゲームが おわります。</source>
        <translation>Dla dorosłych:
naciśnij razem te trzy klawisze, aby zakończyć grę.</translation>
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
        <translation>Wersja</translation>
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
        <translation>Wersja 2</translation>
    </message>
    <message>
        <source>ちいさな みんなへ</source>
        <translation>Dla maluchów</translation>
    </message>
    <message>
        <source>ぽっけより</source>
        <translation>Od Pokke</translation>
    </message>
    <message>
        <source>ゲームのはやさ  40</source>
        <translation>Szybkość gry  40</translation>
    </message>
    <message>
        <source>表示されているｳｨﾝﾄﾞｳをﾓｰﾀﾞﾙにすることはできません</source>
        <translation>Nie można uczynić widocznego okna modalnym</translation>
    </message>
    <message>
        <source>ゲームのはやさ%1</source>
        <translation>Szybkość gry %1</translation>
    </message>
</context>
<context>
    <name>porimogu::THelpBox</name>
    <message>
        <source>へるぷ</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ゲームのしかた</source>
        <translation>Jak grać</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Wskazówki</translation>
    </message>
</context>
<context>
    <name>porimogu::TMainForm</name>
    <message>
        <source>もういちど おすと おわります</source>
        <translation>Naciśnij jeszcze raz, aby wyjść</translation>
    </message>
    <message>
        <source>ゲーム (&amp;G)</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>スタート (&amp;S)</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>ていし (&amp;P)</source>
        <translation>&amp;Pauza</translation>
    </message>
    <message>
        <source>やめる (&amp;Q)</source>
        <translation>Zakończ &amp;grę</translation>
    </message>
    <message>
        <source>せいせき (&amp;T)</source>
        <translation>&amp;Rekordy</translation>
    </message>
    <message>
        <source>おわり (&amp;X)</source>
        <translation>&amp;Wyjdź</translation>
    </message>
    <message>
        <source>せってい (&amp;O)</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>ゲームのはやさ (&amp;V)</source>
        <translation>&amp;Szybkość gry</translation>
    </message>
    <message>
        <source>おんがくつき (&amp;M)</source>
        <translation>&amp;Muzyka</translation>
    </message>
    <message>
        <source>なにかへんだ (&amp;S)</source>
        <translation>Coś &amp;dziwnego</translation>
    </message>
    <message>
        <source>へるぷ (&amp;H)</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>そうさのしかた (&amp;K)</source>
        <translation>&amp;Jak grać</translation>
    </message>
    <message>
        <source>ヴァージョン (&amp;V)</source>
        <translation>&amp;Wersja</translation>
    </message>
    <message>
        <source>音楽データが ありません</source>
        <translation>Nie ma danych muzyki</translation>
    </message>
    <message>
        <source>game.bmp がないので できません</source>
        <translation>Brak pliku game.bmp, więc gra nie może się zacząć</translation>
    </message>
    <message>
        <source>game.bmp が よめないので できません</source>
        <translation>Nie można odczytać game.bmp, więc gra nie może się zacząć</translation>
    </message>
</context>
<context>
    <name>porimogu::TTopDlg</name>
    <message>
        <source>TopList Dialog</source>
        <translation>Najlepsza dziesiątka</translation>
    </message>
    <message>
        <source>Tops-List</source>
        <translation>Najlepsza dziesiątka</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>  Name</source>
        <translation>  Imię</translation>
    </message>
    <message>
        <source>  Points</source>
        <translation>  Punkty</translation>
    </message>
    <message>
        <source>  Date</source>
        <translation>  Data</translation>
    </message>
</context>
</TS>
