<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ja">
<context>
    <name>Boxes</name>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>中止(&amp;A)</source>
        <translation>&amp;Interrumpir</translation>
    </message>
    <message>
        <source>再試行(&amp;R)</source>
        <translation>&amp;Reintentar</translation>
    </message>
    <message>
        <source>無視(&amp;I)</source>
        <translation>I&amp;gnorar</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>ｴﾗｰ</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>その もじは つかえません</source>
        <translation>Esa letra no se puede usar</translation>
    </message>
    <message>
        <source>%1 は %2 で かくね</source>
        <translation>%1 se escribe %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>ぜんがめんで はじめます (F11 で きりかえ)</source>
        <translation>Empezar en pantalla completa (F11 cambia).</translation>
    </message>
    <message>
        <source>つかいかた: %1 [オプション]...</source>
        <translation>Uso: %1 [OPCIÓN]...</translation>
    </message>
    <message>
        <source>ちいさな こどもの ための ゲームです。ぽっけを やじるしキーで うごかして、80 びょうの あいだに たべものを たべます。</source>
        <translation>Un juego para niños pequeños: mueve a Pokke con las flechas y cómete la comida en 80 segundos.</translation>
    </message>
    <message>
        <source>この せつめいを だして おわります</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>バージョンを だして おわります</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>ライセンス GPL-3+: GNU GPL バージョン 3 以降 &lt;https://gnu.org/licenses/gpl.html&gt;。これは フリーソフトウェアです。かえることも くばることも できます。ほうりつで ゆるされる かぎり、なんの ほしょうも ありません。</source>
        <translation>Licencia GPL-3+: GPL de GNU versión 3 o posterior &lt;https://gnu.org/licenses/gpl.html&gt;. Esto es software libre: usted es libre de cambiarlo y redistribuirlo. NO HAY GARANTÍA, en la medida en que lo permita la ley.</translation>
    </message>
    <message>
        <source>「%1」という ことばは ありません。デスクトップの ことばで はじめます</source>
        <translation>No existe el idioma «%1»; el juego empieza en el idioma del escritorio</translation>
    </message>
    <message>
        <source>この ことばで はじめます: %1</source>
        <translation>Empezar en este idioma: %1.</translation>
    </message>
    <message>
        <source>おんがくなしで はじめます</source>
        <translation>Empezar sin música.</translation>
    </message>
    <message>
        <source>ゲームの はやさ N で はじめます: %1 から %2、ちいさいほど はやい (ふつうは %3)</source>
        <translation>Empezar con la velocidad N: de %1 a %2, menos es más rápido (normal %3).</translation>
    </message>
    <message>
        <source>こどもロック: ぜんがめんで、おとなが Ctrl+Shift+Q で おわるまで つづきます</source>
        <translation>Bloqueo infantil: pantalla completa, y el juego sigue hasta que un adulto lo cierra con Ctrl+Mayús+Q.</translation>
    </message>
    <message>
        <source>%1 は わからないので、つかわずに はじめます</source>
        <translation>%1 no se conoce; el juego empieza sin eso</translation>
    </message>
    <message>
        <source>%1 の あとに あたいが ないので、つかわずに はじめます</source>
        <translation>%1 necesita un valor; el juego empieza sin eso</translation>
    </message>
    <message>
        <source>はやさ %1 は つかえません: %2 から %3 の かずです。%4 で はじめます</source>
        <translation>La velocidad %1 no vale: debe ser un número de %2 a %3. El juego empieza con %4</translation>
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
        <translation>Juego para los más pequeños</translation>
    </message>
    <message>
        <source>ぽっけを うごかして たべものを たべよう</source>
        <translation>Mueve a Pokke y cómete la comida</translation>
    </message>
    <message>
        <source>こども;ゲーム;ぽっけ;たべもの;</source>
        <translation>niños;juego;infantil;juegos para niños;comida;Pokke;</translation>
    </message>
    <message>
        <source>ぜんがめんで あそぶ</source>
        <translation>Jugar en pantalla completa</translation>
    </message>
    <message>
        <source>こどもロックで あそぶ</source>
        <translation>Jugar con bloqueo infantil</translation>
    </message>
    <message>
        <source>おんがくなしで あそぶ</source>
        <translation>Jugar sin música</translation>
    </message>
    <message>
        <source>ちいさな こどもの ための ゲーム</source>
        <translation>Un juego pensado para niños pequeños</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>デスクトップから はじめるか、DISPLAY に うごいている X サーバーを いれてください。</source>
        <translation>Inicia el juego desde el escritorio o pon en DISPLAY un servidor X que funcione.</translation>
    </message>
    <message>
        <source>X の がめんが ありません (DISPLAY が ありません)。</source>
        <translation>No hay pantalla X (DISPLAY no está puesto).</translation>
    </message>
    <message>
        <source>X の がめん &quot;%1&quot; が ひらけません。</source>
        <translation>No se puede abrir la pantalla X &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>不明なエラー</source>
        <translation>Error desconocido</translation>
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
        <translation>El valor debe estar entre %1 y %2</translation>
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
        <translation>• Para empezar, pulsa Intro
    (la tecla de la flecha doblada)
• Mueve a Pokke y come
    todo lo que puedas
• Las teclas 2, 4, 6 y 8 mueven a Pokke
    (las flechas también sirven)
• Una partida dura 80 segundos
• Para salir, haz clic en la ×;
    Esc también para o termina el juego</translation>
    </message>
    <message>
        <source>・おばけを  たべると  げんてんです

・ぜんぶ  たべると  ボーナス！

・おばけは  のこしても  いいです

・すききらいは  いけません

・メニューをつかうとわかりやすい</source>
        <translation>• Comerse al fantasma quita puntos

• ¡Cómetelo todo y tendrás un premio!

• Puedes dejar al fantasma

• ¡Hay que comer de todo!

• Con los menús es más fácil</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>ホームフォルダが わからないので できません</source>
        <translation>No se sabe cuál es tu carpeta personal, así que el juego no puede empezar</translation>
    </message>
    <message>
        <source>%1 が フォルダでは ないので できません</source>
        <translation>%1 no es una carpeta, así que el juego no puede empezar</translation>
    </message>
    <message>
        <source>%1 を つくれないので できません</source>
        <translation>No se puede crear %1, así que el juego no puede empezar</translation>
    </message>
    <message>
        <source>%1 に かきこめないので できません</source>
        <translation>No se puede escribir en %1, así que el juego no puede empezar</translation>
    </message>
    <message>
        <source>%1 に はいれないので できません</source>
        <translation>No se puede abrir %1, así que el juego no puede empezar</translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>MCI ﾃﾞﾊﾞｲｽがありません</source>
        <translation>No hay ningún aparato para la música</translation>
    </message>
    <message>
        <source>音楽データが ありません</source>
        <translation>No hay música</translation>
    </message>
    <message>
        <source>%1 が よめません</source>
        <translation>No se puede leer %1</translation>
    </message>
    <message>
        <source>%1 は MIDI データではありません</source>
        <translation>%1 no es música MIDI</translation>
    </message>
    <message>
        <source>%1 の MIDI データが こわれています</source>
        <translation>La música MIDI de %1 está estropeada</translation>
    </message>
    <message>
        <source>%1 の MIDI データの形式には 対応していません</source>
        <translation>El tipo de música MIDI de %1 no es compatible</translation>
    </message>
    <message>
        <source>音楽を鳴らす準備が できません</source>
        <translation>No se puede preparar la música</translation>
    </message>
    <message>
        <source>音楽用の音色データ (SoundFont) が見つかりません</source>
        <translation>No se encuentran sonidos de instrumentos (SoundFont) para la música</translation>
    </message>
    <message>
        <source>音を出す装置が使えません</source>
        <translation>No se puede usar el aparato de sonido</translation>
    </message>
</context>
<context>
    <name>NamePrompt</name>
    <message>
        <source>EnterName</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>なまえをいれよう</source>
        <translation>Escribe tu nombre</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています</source>
        <translation>Índice de lista fuera de límites</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 は大きすぎて開けません</source>
        <translation>El archivo %1 es demasiado grande para abrirlo</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 は開けません</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 を作成できません</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>«%1» no es un número entero</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 の名前を変更できません</source>
        <translation>No se puede cambiar el nombre del archivo %1</translation>
    </message>
    <message>
        <source>%1 を %2 という なまえで のこして、せいせきを はじめから つけなおしますか?</source>
        <translation>¿Guardar %1 con el nombre %2 y empezar los récords desde cero?</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Time: %1 秒</source>
        <translation>Tiempo %1</translation>
    </message>
    <message>
        <source>Point: %1 点</source>
        <translation>Puntos %1</translation>
    </message>
    <message>
        <source>Wait: %1</source>
        <translation>Espera %1</translation>
    </message>
    <message>
        <source>ｴﾝﾀｰｷｰを おしてね</source>
        <translation>¡Pulsa Intro!</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ中  がんばれ！！</source>
        <translation>Jugando  ¡¡Ánimo!!</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ  ていし・・・</source>
        <translation>Juego  en pausa...</translation>
    </message>
    <message>
        <source>おわり！てをはなして</source>
        <translation>¡Fin! Suelta las teclas</translation>
    </message>
</context>
<context>
    <name>porimogu::ChildLock</name>
    <message>
        <source>まだ あそべるよ！</source>
        <translation>¡Puedes seguir jugando!</translation>
    </message>
    <message>
        <source>おとなの かたへ：
この 3つの キーを いっしょに おすと、ゲームが おわります。</source>
        <translation>Para los adultos:
pulse estas tres teclas a la vez para terminar el juego.</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Mayús</translation>
    </message>
</context>
<context>
    <name>porimogu::TAboutBox</name>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>Versión</translation>
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
        <translation>Versión 2</translation>
    </message>
    <message>
        <source>ちいさな みんなへ</source>
        <translation>Para los peques</translation>
    </message>
    <message>
        <source>ぽっけより</source>
        <translation>Besos, Pokke</translation>
    </message>
    <message>
        <source>ゲームのはやさ  40</source>
        <translation>Velocidad  40</translation>
    </message>
    <message>
        <source>表示されているｳｨﾝﾄﾞｳをﾓｰﾀﾞﾙにすることはできません</source>
        <translation>No se puede hacer modal una ventana visible</translation>
    </message>
    <message>
        <source>ゲームのはやさ%1</source>
        <translation>Velocidad %1</translation>
    </message>
</context>
<context>
    <name>porimogu::THelpBox</name>
    <message>
        <source>へるぷ</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>ゲームのしかた</source>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Pistas</translation>
    </message>
</context>
<context>
    <name>porimogu::TMainForm</name>
    <message>
        <source>もういちど おすと おわります</source>
        <translation>Pulsa otra vez para salir</translation>
    </message>
    <message>
        <source>ゲーム (&amp;G)</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>スタート (&amp;S)</source>
        <translation>&amp;Empezar</translation>
    </message>
    <message>
        <source>ていし (&amp;P)</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>やめる (&amp;Q)</source>
        <translation>&amp;Terminar la partida</translation>
    </message>
    <message>
        <source>せいせき (&amp;T)</source>
        <translation>&amp;Récords</translation>
    </message>
    <message>
        <source>おわり (&amp;X)</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>せってい (&amp;O)</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>ゲームのはやさ (&amp;V)</source>
        <translation>&amp;Velocidad del juego</translation>
    </message>
    <message>
        <source>おんがくつき (&amp;M)</source>
        <translation>&amp;Música</translation>
    </message>
    <message>
        <source>なにかへんだ (&amp;S)</source>
        <translation>Algo &amp;raro</translation>
    </message>
    <message>
        <source>へるぷ (&amp;H)</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>そうさのしかた (&amp;K)</source>
        <translation>&amp;Cómo jugar</translation>
    </message>
    <message>
        <source>ヴァージョン (&amp;V)</source>
        <translation>&amp;Versión</translation>
    </message>
    <message>
        <source>音楽データが ありません</source>
        <translation>No hay música</translation>
    </message>
    <message>
        <source>game.bmp がないので できません</source>
        <translation>Falta game.bmp, así que el juego no puede empezar</translation>
    </message>
    <message>
        <source>game.bmp が よめないので できません</source>
        <translation>No se puede leer game.bmp, así que el juego no puede empezar</translation>
    </message>
</context>
<context>
    <name>porimogu::TTopDlg</name>
    <message>
        <source>TopList Dialog</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Tops-List</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>  Name</source>
        <translation>  Nombre</translation>
    </message>
    <message>
        <source>  Points</source>
        <translation>  Puntos</translation>
    </message>
    <message>
        <source>  Date</source>
        <translation>  Fecha</translation>
    </message>
</context>
</TS>
