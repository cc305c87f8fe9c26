<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="ja">
<context>
    <name>Boxes</name>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>中止(&amp;A)</source>
        <translation>&amp;Anular</translation>
    </message>
    <message>
        <source>再試行(&amp;R)</source>
        <translation>&amp;Repetir</translation>
    </message>
    <message>
        <source>無視(&amp;I)</source>
        <translation>&amp;Ignorar</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>ｴﾗｰ</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirmação</translation>
    </message>
    <message>
        <source>その もじは つかえません</source>
        <translation>Não dá para usar essa letra</translation>
    </message>
    <message>
        <source>%1 は %2 で かくね</source>
        <translation>%1 fica escrito como %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>ぜんがめんで はじめます (F11 で きりかえ)</source>
        <translation>Começa em tela cheia (F11 alterna).</translation>
    </message>
    <message>
        <source>つかいかた: %1 [オプション]...</source>
        <translation>Uso: %1 [OPÇÃO]...</translation>
    </message>
    <message>
        <source>ちいさな こどもの ための ゲームです。ぽっけを やじるしキーで うごかして、80 びょうの あいだに たべものを たべます。</source>
        <translation>Um jogo para crianças pequenas: mova o Pokke com as setas e coma a comida em 80 segundos.</translation>
    </message>
    <message>
        <source>この せつめいを だして おわります</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>バージョンを だして おわります</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>ライセンス GPL-3+: GNU GPL バージョン 3 以降 &lt;https://gnu.org/licenses/gpl.html&gt;。これは フリーソフトウェアです。かえることも くばることも できます。ほうりつで ゆるされる かぎり、なんの ほしょうも ありません。</source>
        <translation>Licença GPL-3+: GNU GPL versão 3 ou posterior &lt;https://gnu.org/licenses/gpl.html&gt;. Este é um software livre: você pode alterá-lo e redistribuí-lo. NÃO HÁ GARANTIA, na máxima extensão permitida em lei.</translation>
    </message>
    <message>
        <source>「%1」という ことばは ありません。デスクトップの ことばで はじめます</source>
        <translation>Não existe o idioma &quot;%1&quot;; o jogo começa no idioma da área de trabalho</translation>
    </message>
    <message>
        <source>この ことばで はじめます: %1</source>
        <translation>Começa neste idioma: %1.</translation>
    </message>
    <message>
        <source>おんがくなしで はじめます</source>
        <translation>Começar sem música.</translation>
    </message>
    <message>
        <source>ゲームの はやさ N で はじめます: %1 から %2、ちいさいほど はやい (ふつうは %3)</source>
        <translation>Começar na velocidade N: de %1 a %2, menor é mais rápido (normal %3).</translation>
    </message>
    <message>
        <source>こどもロック: ぜんがめんで、おとなが Ctrl+Shift+Q で おわるまで つづきます</source>
        <translation>Trava infantil: tela cheia, e o jogo continua até um adulto fechar com Ctrl+Shift+Q.</translation>
    </message>
    <message>
        <source>%1 は わからないので、つかわずに はじめます</source>
        <translation>%1 não é conhecido; o jogo começa sem isso</translation>
    </message>
    <message>
        <source>%1 の あとに あたいが ないので、つかわずに はじめます</source>
        <translation>%1 precisa de um valor; o jogo começa sem isso</translation>
    </message>
    <message>
        <source>はやさ %1 は つかえません: %2 から %3 の かずです。%4 で はじめます</source>
        <translation>A velocidade %1 não serve: é um número de %2 a %3. O jogo começa com %4</translation>
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
        <translation>Jogo para crianças pequenas</translation>
    </message>
    <message>
        <source>ぽっけを うごかして たべものを たべよう</source>
        <translation>Mova o Pokke e coma a comida</translation>
    </message>
    <message>
        <source>こども;ゲーム;ぽっけ;たべもの;</source>
        <translation>crianças;infantil;jogo;comida;Pokke;</translation>
    </message>
    <message>
        <source>ぜんがめんで あそぶ</source>
        <translation>Jogar em tela cheia</translation>
    </message>
    <message>
        <source>こどもロックで あそぶ</source>
        <translation>Jogar com trava infantil</translation>
    </message>
    <message>
        <source>おんがくなしで あそぶ</source>
        <translation>Jogar sem música</translation>
    </message>
    <message>
        <source>ちいさな こどもの ための ゲーム</source>
        <translation>Um jogo para crianças pequenas</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>デスクトップから はじめるか、DISPLAY に うごいている X サーバーを いれてください。</source>
        <translation>Abra o jogo pela área de trabalho ou coloque em DISPLAY um servidor X que esteja rodando.</translation>
    </message>
    <message>
        <source>X の がめんが ありません (DISPLAY が ありません)。</source>
        <translation>Não há tela X (DISPLAY não está definido).</translation>
    </message>
    <message>
        <source>X の がめん &quot;%1&quot; が ひらけません。</source>
        <translation>Não dá para abrir a tela X &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>不明なエラー</source>
        <translation>Erro desconhecido</translation>
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
        <translation>O valor deve estar entre %1 e %2</translation>
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
        <translation>• Para começar o jogo
    aperte Enter (a tecla da seta torta)
• Mova o Pokke e coma
    o máximo que puder
• As teclas 2, 4, 6 e 8 movem o Pokke
    (as setas também servem)
• O jogo dura 80 segundos
• Para sair, clique no × da janela;
    Esc também pausa ou termina o jogo</translation>
    </message>
    <message>
        <source>・おばけを  たべると  げんてんです

・ぜんぶ  たべると  ボーナス！

・おばけは  のこしても  いいです

・すききらいは  いけません

・メニューをつかうとわかりやすい</source>
        <translation>• Comer o fantasma tira pontos

• Coma tudo e ganhe um bônus!

• Não precisa comer o fantasma

• Nada de ser enjoado para comer!

• Com os menus fica mais fácil</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>ホームフォルダが わからないので できません</source>
        <translation>Não se sabe qual é a sua pasta pessoal, então o jogo não pode começar</translation>
    </message>
    <message>
        <source>%1 が フォルダでは ないので できません</source>
        <translation>%1 não é uma pasta, então o jogo não pode começar</translation>
    </message>
    <message>
        <source>%1 を つくれないので できません</source>
        <translation>Não dá para criar %1, então o jogo não pode começar</translation>
    </message>
    <message>
        <source>%1 に かきこめないので できません</source>
        <translation>Não dá para gravar em %1, então o jogo não pode começar</translation>
    </message>
    <message>
        <source>%1 に はいれないので できません</source>
        <translation>Não dá para abrir %1, então o jogo não pode começar</translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>MCI ﾃﾞﾊﾞｲｽがありません</source>
        <translation>Não há aparelho de música</translation>
    </message>
    <message>
        <source>音楽データが ありません</source>
        <translation>Não há dados de música</translation>
    </message>
    <message>
        <source>%1 が よめません</source>
        <translation>Não dá para ler %1</translation>
    </message>
    <message>
        <source>%1 は MIDI データではありません</source>
        <translation>%1 não é música MIDI</translation>
    </message>
    <message>
        <source>%1 の MIDI データが こわれています</source>
        <translation>A música MIDI em %1 está com defeito</translation>
    </message>
    <message>
        <source>%1 の MIDI データの形式には 対応していません</source>
        <translation>Este tipo de música MIDI em %1 não é suportado</translation>
    </message>
    <message>
        <source>音楽を鳴らす準備が できません</source>
        <translation>Não dá para preparar a música</translation>
    </message>
    <message>
        <source>音楽用の音色データ (SoundFont) が見つかりません</source>
        <translation>Não foram encontrados sons de instrumentos (SoundFont) para a música</translation>
    </message>
    <message>
        <source>音を出す装置が使えません</source>
        <translation>Não dá para usar o aparelho de som</translation>
    </message>
</context>
<context>
    <name>NamePrompt</name>
    <message>
        <source>EnterName</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>なまえをいれよう</source>
        <translation>Digite seu nome</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています</source>
        <translation>Índice da lista fora do intervalo</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 は大きすぎて開けません</source>
        <translation>O arquivo %1 é grande demais para abrir</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 は開けません</source>
        <translation>Não dá para abrir o arquivo %1</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 を作成できません</source>
        <translation>Não dá para criar o arquivo %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>&apos;%1&apos; não é um número inteiro</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 の名前を変更できません</source>
        <translation>Não dá para renomear o arquivo %1</translation>
    </message>
    <message>
        <source>%1 を %2 という なまえで のこして、せいせきを はじめから つけなおしますか?</source>
        <translation>Guardar %1 com o nome %2 e começar os recordes do zero?</translation>
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
        <translation>Placar: %1</translation>
    </message>
    <message>
        <source>Wait: %1</source>
        <translation>Espere: %1</translation>
    </message>
    <message>
        <source>ｴﾝﾀｰｷｰを おしてね</source>
        <translation>Aperte Enter!</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ中  がんばれ！！</source>
        <translation>Jogando  Vai lá!!</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ  ていし・・・</source>
        <translation>Jogo  pausado...</translation>
    </message>
    <message>
        <source>おわり！てをはなして</source>
        <translation>Acabou! Pode soltar!</translation>
    </message>
</context>
<context>
    <name>porimogu::ChildLock</name>
    <message>
        <source>まだ あそべるよ！</source>
        <translation>Você pode continuar brincando!</translation>
    </message>
    <message>
        <source>おとなの かたへ：
この 3つの キーを いっしょに おすと、ゲームが おわります。</source>
        <translation>Para os adultos:
aperte estas três teclas juntas para sair do jogo.</translation>
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
        <translation>Versão</translation>
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
        <translation>Versão 2</translation>
    </message>
    <message>
        <source>ちいさな みんなへ</source>
        <translation>Aos pequeninos</translation>
    </message>
    <message>
        <source>ぽっけより</source>
        <translation>Do Pokke</translation>
    </message>
    <message>
        <source>ゲームのはやさ  40</source>
        <translation>Velocidade  40</translation>
    </message>
    <message>
        <source>表示されているｳｨﾝﾄﾞｳをﾓｰﾀﾞﾙにすることはできません</source>
        <translation>Não dá para tornar modal uma janela já visível</translation>
    </message>
    <message>
        <source>ゲームのはやさ%1</source>
        <translation>Velocidade %1</translation>
    </message>
</context>
<context>
    <name>porimogu::THelpBox</name>
    <message>
        <source>へるぷ</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ゲームのしかた</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Dicas</translation>
    </message>
</context>
<context>
    <name>porimogu::TMainForm</name>
    <message>
        <source>もういちど おすと おわります</source>
        <translation>Aperte de novo para sair</translation>
    </message>
    <message>
        <source>ゲーム (&amp;G)</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>スタート (&amp;S)</source>
        <translation>&amp;Começar</translation>
    </message>
    <message>
        <source>ていし (&amp;P)</source>
        <translation>&amp;Pausar</translation>
    </message>
    <message>
        <source>やめる (&amp;Q)</source>
        <translation>&amp;Terminar o jogo</translation>
    </message>
    <message>
        <source>せいせき (&amp;T)</source>
        <translation>&amp;Recordes</translation>
    </message>
    <message>
        <source>おわり (&amp;X)</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>せってい (&amp;O)</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>ゲームのはやさ (&amp;V)</source>
        <translation>&amp;Velocidade do jogo</translation>
    </message>
    <message>
        <source>おんがくつき (&amp;M)</source>
        <translation>&amp;Música</translation>
    </message>
    <message>
        <source>なにかへんだ (&amp;S)</source>
        <translation>Algo &amp;estranho</translation>
    </message>
    <message>
        <source>へるぷ (&amp;H)</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>そうさのしかた (&amp;K)</source>
        <translation>&amp;Como jogar</translation>
    </message>
    <message>
        <source>ヴァージョン (&amp;V)</source>
        <translation>&amp;Versão</translation>
    </message>
    <message>
        <source>音楽データが ありません</source>
        <translation>Não há dados de música</translation>
    </message>
    <message>
        <source>game.bmp がないので できません</source>
        <translation>Falta o game.bmp, então o jogo não pode começar</translation>
    </message>
    <message>
        <source>game.bmp が よめないので できません</source>
        <translation>Não dá para ler o game.bmp, então o jogo não pode começar</translation>
    </message>
</context>
<context>
    <name>porimogu::TTopDlg</name>
    <message>
        <source>TopList Dialog</source>
        <translation>Os 10 melhores</translation>
    </message>
    <message>
        <source>Tops-List</source>
        <translation>Os 10 melhores</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
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
        <translation>  Pontos</translation>
    </message>
    <message>
        <source>  Date</source>
        <translation>  Data</translation>
    </message>
</context>
</TS>
