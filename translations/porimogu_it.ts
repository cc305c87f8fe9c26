<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="ja">
<context>
    <name>Boxes</name>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Sì</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>中止(&amp;A)</source>
        <translation>&amp;Interrompi</translation>
    </message>
    <message>
        <source>再試行(&amp;R)</source>
        <translation>&amp;Riprova</translation>
    </message>
    <message>
        <source>無視(&amp;I)</source>
        <translation>I&amp;gnora</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>ｴﾗｰ</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>その もじは つかえません</source>
        <translation>Questa lettera non si può usare</translation>
    </message>
    <message>
        <source>%1 は %2 で かくね</source>
        <translation>%1 si scrive %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>ぜんがめんで はじめます (F11 で きりかえ)</source>
        <translation>Avvia a schermo intero (F11 per cambiare).</translation>
    </message>
    <message>
        <source>つかいかた: %1 [オプション]...</source>
        <translation>Uso: %1 [OPZIONE]...</translation>
    </message>
    <message>
        <source>ちいさな こどもの ための ゲームです。ぽっけを やじるしキーで うごかして、80 びょうの あいだに たべものを たべます。</source>
        <translation>Un gioco per bambini piccoli: muovi Pokke con le frecce e mangia il cibo in 80 secondi.</translation>
    </message>
    <message>
        <source>この せつめいを だして おわります</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>バージョンを だして おわります</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>ライセンス GPL-3+: GNU GPL バージョン 3 以降 &lt;https://gnu.org/licenses/gpl.html&gt;。これは フリーソフトウェアです。かえることも くばることも できます。ほうりつで ゆるされる かぎり、なんの ほしょうも ありません。</source>
        <translation>Licenza GPL-3+: GNU GPL versione 3 o successiva &lt;https://gnu.org/licenses/gpl.html&gt;. Questo è software libero: si è liberi di modificarlo e ridistribuirlo. NON c&apos;è ALCUNA GARANZIA, nei limiti permessi dalla legge.</translation>
    </message>
    <message>
        <source>「%1」という ことばは ありません。デスクトップの ことばで はじめます</source>
        <translation>La lingua «%1» non c&apos;è; il gioco parte nella lingua del desktop</translation>
    </message>
    <message>
        <source>この ことばで はじめます: %1</source>
        <translation>Avvia in questa lingua: %1.</translation>
    </message>
    <message>
        <source>おんがくなしで はじめます</source>
        <translation>Inizia senza musica.</translation>
    </message>
    <message>
        <source>ゲームの はやさ N で はじめます: %1 から %2、ちいさいほど はやい (ふつうは %3)</source>
        <translation>Inizia con la velocità N: da %1 a %2, più piccolo è più veloce (di solito %3).</translation>
    </message>
    <message>
        <source>こどもロック: ぜんがめんで、おとなが Ctrl+Shift+Q で おわるまで つづきます</source>
        <translation>Blocco bambini: schermo intero, e il gioco continua finché un adulto lo chiude con Ctrl+Maiusc+Q.</translation>
    </message>
    <message>
        <source>%1 は わからないので、つかわずに はじめます</source>
        <translation>%1 non si conosce; il gioco inizia senza</translation>
    </message>
    <message>
        <source>%1 の あとに あたいが ないので、つかわずに はじめます</source>
        <translation>%1 vuole un valore; il gioco inizia senza</translation>
    </message>
    <message>
        <source>はやさ %1 は つかえません: %2 から %3 の かずです。%4 で はじめます</source>
        <translation>La velocità %1 non va: serve un numero da %2 a %3. Il gioco inizia con %4</translation>
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
        <translation>Gioco per bambini piccoli</translation>
    </message>
    <message>
        <source>ぽっけを うごかして たべものを たべよう</source>
        <translation>Muovi Pokke e mangia il cibo</translation>
    </message>
    <message>
        <source>こども;ゲーム;ぽっけ;たべもの;</source>
        <translation>bambini;gioco;giochi per bambini;cibo;Pokke;</translation>
    </message>
    <message>
        <source>ぜんがめんで あそぶ</source>
        <translation>Gioca a schermo intero</translation>
    </message>
    <message>
        <source>こどもロックで あそぶ</source>
        <translation>Gioca con il blocco bambini</translation>
    </message>
    <message>
        <source>おんがくなしで あそぶ</source>
        <translation>Gioca senza musica</translation>
    </message>
    <message>
        <source>ちいさな こどもの ための ゲーム</source>
        <translation>Un gioco pensato per i bambini piccoli</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>デスクトップから はじめるか、DISPLAY に うごいている X サーバーを いれてください。</source>
        <translation>Avvia il gioco dal desktop, oppure imposta DISPLAY su un server X attivo.</translation>
    </message>
    <message>
        <source>X の がめんが ありません (DISPLAY が ありません)。</source>
        <translation>Non c’è uno schermo X (DISPLAY non è impostato).</translation>
    </message>
    <message>
        <source>X の がめん &quot;%1&quot; が ひらけません。</source>
        <translation>Non riesco ad aprire lo schermo X &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>不明なエラー</source>
        <translation>Errore sconosciuto</translation>
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
        <translation>Il valore deve essere tra %1 e %2</translation>
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
        <translation>• Per iniziare, premi Invio
    (il tasto con la freccia piegata)
• Muovi Pokke e mangia
    più cose che puoi
• I tasti 2, 4, 6 e 8 muovono Pokke
    (vanno bene anche le frecce)
• Una partita dura 80 secondi
• Per finire, clicca sulla × della finestra;
    anche Esc ferma o chiude il gioco</translation>
    </message>
    <message>
        <source>・おばけを  たべると  げんてんです

・ぜんぶ  たべると  ボーナス！

・おばけは  のこしても  いいです

・すききらいは  いけません

・メニューをつかうとわかりやすい</source>
        <translation>• Mangiare il fantasma toglie punti

• Mangia tutto e avrai un bonus!

• Il fantasma puoi lasciarlo stare

• Bisogna mangiare di tutto!

• Con i menu è più facile</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>ホームフォルダが わからないので できません</source>
        <translation>La cartella home non si conosce, quindi il gioco non può iniziare</translation>
    </message>
    <message>
        <source>%1 が フォルダでは ないので できません</source>
        <translation>%1 non è una cartella, quindi il gioco non può iniziare</translation>
    </message>
    <message>
        <source>%1 を つくれないので できません</source>
        <translation>Non si può creare %1, quindi il gioco non può iniziare</translation>
    </message>
    <message>
        <source>%1 に かきこめないので できません</source>
        <translation>Non si può scrivere in %1, quindi il gioco non può iniziare</translation>
    </message>
    <message>
        <source>%1 に はいれないので できません</source>
        <translation>Non si può aprire %1, quindi il gioco non può iniziare</translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>MCI ﾃﾞﾊﾞｲｽがありません</source>
        <translation>Non c&apos;è nessun apparecchio per la musica</translation>
    </message>
    <message>
        <source>音楽データが ありません</source>
        <translation>Non c&apos;è la musica</translation>
    </message>
    <message>
        <source>%1 が よめません</source>
        <translation>Impossibile leggere %1</translation>
    </message>
    <message>
        <source>%1 は MIDI データではありません</source>
        <translation>%1 non è musica MIDI</translation>
    </message>
    <message>
        <source>%1 の MIDI データが こわれています</source>
        <translation>La musica MIDI in %1 è rovinata</translation>
    </message>
    <message>
        <source>%1 の MIDI データの形式には 対応していません</source>
        <translation>Il tipo di musica MIDI in %1 non è supportato</translation>
    </message>
    <message>
        <source>音楽を鳴らす準備が できません</source>
        <translation>Impossibile preparare la musica</translation>
    </message>
    <message>
        <source>音楽用の音色データ (SoundFont) が見つかりません</source>
        <translation>Nessun suono di strumenti (SoundFont) trovato per la musica</translation>
    </message>
    <message>
        <source>音を出す装置が使えません</source>
        <translation>Impossibile usare l&apos;apparecchio audio</translation>
    </message>
</context>
<context>
    <name>NamePrompt</name>
    <message>
        <source>EnterName</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>なまえをいれよう</source>
        <translation>Scrivi il tuo nome</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています</source>
        <translation>Indice della lista fuori dai limiti</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 は大きすぎて開けません</source>
        <translation>Il file %1 è troppo grande per essere aperto</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 は開けません</source>
        <translation>Impossibile aprire il file %1</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 を作成できません</source>
        <translation>Impossibile creare il file %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>«%1» non è un numero intero</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 の名前を変更できません</source>
        <translation>Impossibile rinominare il file %1</translation>
    </message>
    <message>
        <source>%1 を %2 という なまえで のこして、せいせきを はじめから つけなおしますか?</source>
        <translation>Tenere %1 con il nome %2 e ricominciare la classifica da capo?</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Time: %1 秒</source>
        <translation>Tempo: %1</translation>
    </message>
    <message>
        <source>Point: %1 点</source>
        <translation>Punti: %1</translation>
    </message>
    <message>
        <source>Wait: %1</source>
        <translation>Attendi: %1</translation>
    </message>
    <message>
        <source>ｴﾝﾀｰｷｰを おしてね</source>
        <translation>Premi Invio!</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ中  がんばれ！！</source>
        <translation>In gioco  Forza!!</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ  ていし・・・</source>
        <translation>Gioco  in pausa...</translation>
    </message>
    <message>
        <source>おわり！てをはなして</source>
        <translation>Fine! Lascia i tasti!</translation>
    </message>
</context>
<context>
    <name>porimogu::ChildLock</name>
    <message>
        <source>まだ あそべるよ！</source>
        <translation>Puoi continuare a giocare!</translation>
    </message>
    <message>
        <source>おとなの かたへ：
この 3つの キーを いっしょに おすと、ゲームが おわります。</source>
        <translation>Per i grandi:
premete insieme questi tre tasti per chiudere il gioco.</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maiusc</translation>
    </message>
</context>
<context>
    <name>porimogu::TAboutBox</name>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>Versione</translation>
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
        <translation>Versione 2</translation>
    </message>
    <message>
        <source>ちいさな みんなへ</source>
        <translation>Ai più piccoli</translation>
    </message>
    <message>
        <source>ぽっけより</source>
        <translation>Da Pokke</translation>
    </message>
    <message>
        <source>ゲームのはやさ  40</source>
        <translation>Velocità  40</translation>
    </message>
    <message>
        <source>表示されているｳｨﾝﾄﾞｳをﾓｰﾀﾞﾙにすることはできません</source>
        <translation>Impossibile rendere modale una finestra visibile</translation>
    </message>
    <message>
        <source>ゲームのはやさ%1</source>
        <translation>Velocità %1</translation>
    </message>
</context>
<context>
    <name>porimogu::THelpBox</name>
    <message>
        <source>へるぷ</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ゲームのしかた</source>
        <translation>Come si gioca</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Consigli</translation>
    </message>
</context>
<context>
    <name>porimogu::TMainForm</name>
    <message>
        <source>もういちど おすと おわります</source>
        <translation>Premi ancora per uscire</translation>
    </message>
    <message>
        <source>ゲーム (&amp;G)</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>スタート (&amp;S)</source>
        <translation>&amp;Inizia</translation>
    </message>
    <message>
        <source>ていし (&amp;P)</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>やめる (&amp;Q)</source>
        <translation>&amp;Termina la partita</translation>
    </message>
    <message>
        <source>せいせき (&amp;T)</source>
        <translation>&amp;Classifica</translation>
    </message>
    <message>
        <source>おわり (&amp;X)</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>せってい (&amp;O)</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>ゲームのはやさ (&amp;V)</source>
        <translation>&amp;Velocità del gioco</translation>
    </message>
    <message>
        <source>おんがくつき (&amp;M)</source>
        <translation>&amp;Musica</translation>
    </message>
    <message>
        <source>なにかへんだ (&amp;S)</source>
        <translation>Qualcosa di &amp;strano</translation>
    </message>
    <message>
        <source>へるぷ (&amp;H)</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>そうさのしかた (&amp;K)</source>
        <translation>&amp;Come si gioca</translation>
    </message>
    <message>
        <source>ヴァージョン (&amp;V)</source>
        <translation>&amp;Versione</translation>
    </message>
    <message>
        <source>音楽データが ありません</source>
        <translation>Non c&apos;è la musica</translation>
    </message>
    <message>
        <source>game.bmp がないので できません</source>
        <translation>Manca game.bmp, quindi il gioco non può partire</translation>
    </message>
    <message>
        <source>game.bmp が よめないので できません</source>
        <translation>Impossibile leggere game.bmp, quindi il gioco non può partire</translation>
    </message>
</context>
<context>
    <name>porimogu::TTopDlg</name>
    <message>
        <source>TopList Dialog</source>
        <translation>Classifica</translation>
    </message>
    <message>
        <source>Tops-List</source>
        <translation>Classifica</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>  Name</source>
        <translation>  Nome</translation>
    </message>
    <message>
        <source>  Points</source>
        <translation>  Punti</translation>
    </message>
    <message>
        <source>  Date</source>
        <translation>  Data</translation>
    </message>
</context>
</TS>
