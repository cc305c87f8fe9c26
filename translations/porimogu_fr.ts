<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="ja">
<context>
    <name>Boxes</name>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>中止(&amp;A)</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>再試行(&amp;R)</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message>
        <source>無視(&amp;I)</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>ｴﾗｰ</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>その もじは つかえません</source>
        <translation>Cette lettre ne marche pas</translation>
    </message>
    <message>
        <source>%1 は %2 で かくね</source>
        <translation>%1 s&apos;écrit %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>ぜんがめんで はじめます (F11 で きりかえ)</source>
        <translation>Démarrer en plein écran (F11 pour changer).</translation>
    </message>
    <message>
        <source>つかいかた: %1 [オプション]...</source>
        <translation>Utilisation : %1 [OPTION]...</translation>
    </message>
    <message>
        <source>ちいさな こどもの ための ゲームです。ぽっけを やじるしキーで うごかして、80 びょうの あいだに たべものを たべます。</source>
        <translation>Un jeu pour les petits enfants : dirige Pokke avec les flèches et mange la nourriture en 80 secondes.</translation>
    </message>
    <message>
        <source>この せつめいを だして おわります</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>バージョンを だして おわります</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>ライセンス GPL-3+: GNU GPL バージョン 3 以降 &lt;https://gnu.org/licenses/gpl.html&gt;。これは フリーソフトウェアです。かえることも くばることも できます。ほうりつで ゆるされる かぎり、なんの ほしょうも ありません。</source>
        <translation>Licence GPL-3+ : GNU GPL version 3 ou ultérieure &lt;https://gnu.org/licenses/gpl.html&gt;. Ceci est un logiciel libre : vous êtes libre de le modifier et de le redistribuer. Il n&apos;y a AUCUNE GARANTIE, dans les limites permises par la loi.</translation>
    </message>
    <message>
        <source>「%1」という ことばは ありません。デスクトップの ことばで はじめます</source>
        <translation>La langue « %1 » n&apos;existe pas ; le jeu démarre dans la langue du bureau</translation>
    </message>
    <message>
        <source>この ことばで はじめます: %1</source>
        <translation>Démarrer dans cette langue : %1.</translation>
    </message>
    <message>
        <source>おんがくなしで はじめます</source>
        <translation>Commencer sans musique.</translation>
    </message>
    <message>
        <source>ゲームの はやさ N で はじめます: %1 から %2、ちいさいほど はやい (ふつうは %3)</source>
        <translation>Commencer à la vitesse N : de %1 à %2, plus petit est plus rapide (d’habitude %3).</translation>
    </message>
    <message>
        <source>こどもロック: ぜんがめんで、おとなが Ctrl+Shift+Q で おわるまで つづきます</source>
        <translation>Verrou enfant : plein écran, et le jeu continue jusqu’à ce qu’un adulte le ferme avec Ctrl+Maj+Q.</translation>
    </message>
    <message>
        <source>%1 は わからないので、つかわずに はじめます</source>
        <translation>%1 est inconnu ; le jeu commence sans</translation>
    </message>
    <message>
        <source>%1 の あとに あたいが ないので、つかわずに はじめます</source>
        <translation>%1 demande une valeur ; le jeu commence sans</translation>
    </message>
    <message>
        <source>はやさ %1 は つかえません: %2 から %3 の かずです。%4 で はじめます</source>
        <translation>La vitesse %1 ne va pas : c’est un nombre de %2 à %3. Le jeu commence à %4</translation>
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
        <translation>Jeu pour les petits enfants</translation>
    </message>
    <message>
        <source>ぽっけを うごかして たべものを たべよう</source>
        <translation>Déplace Pokke et mange la nourriture</translation>
    </message>
    <message>
        <source>こども;ゲーム;ぽっけ;たべもの;</source>
        <translation>enfants;jeu;jeu pour enfants;maternelle;manger;Pokke;</translation>
    </message>
    <message>
        <source>ぜんがめんで あそぶ</source>
        <translation>Jouer en plein écran</translation>
    </message>
    <message>
        <source>こどもロックで あそぶ</source>
        <translation>Jouer avec la sécurité enfants</translation>
    </message>
    <message>
        <source>おんがくなしで あそぶ</source>
        <translation>Jouer sans musique</translation>
    </message>
    <message>
        <source>ちいさな こどもの ための ゲーム</source>
        <translation>Un jeu pensé pour les petits enfants</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>デスクトップから はじめるか、DISPLAY に うごいている X サーバーを いれてください。</source>
        <translation>Lance le jeu depuis le bureau, ou mets dans DISPLAY un serveur X qui tourne.</translation>
    </message>
    <message>
        <source>X の がめんが ありません (DISPLAY が ありません)。</source>
        <translation>Il n’y a pas d’écran X (DISPLAY n’est pas défini).</translation>
    </message>
    <message>
        <source>X の がめん &quot;%1&quot; が ひらけません。</source>
        <translation>Impossible d’ouvrir l’écran X « %1 ».</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>不明なエラー</source>
        <translation>Erreur inconnue</translation>
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
        <translation>La valeur doit être comprise entre %1 et %2</translation>
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
        <translation>• Pour commencer, appuie sur Entrée
    (la touche avec la flèche coudée)
• Déplace Pokke et mange
    le plus de choses possible
• Pour bouger Pokke : 2, 4, 6 et 8
    (les flèches marchent aussi)
• Une partie dure 80 secondes
• Pour finir, clique sur le × ;
    Échap met en pause ou arrête aussi</translation>
    </message>
    <message>
        <source>・おばけを  たべると  げんてんです

・ぜんぶ  たべると  ボーナス！

・おばけは  のこしても  いいです

・すききらいは  いけません

・メニューをつかうとわかりやすい</source>
        <translation>• Manger le fantôme coûte des points

• Mange tout pour avoir un bonus !

• Tu peux laisser le fantôme

• Il faut manger de tout !

• Avec les menus, c&apos;est plus facile</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>ホームフォルダが わからないので できません</source>
        <translation>Ton dossier personnel est inconnu, donc le jeu ne peut pas commencer</translation>
    </message>
    <message>
        <source>%1 が フォルダでは ないので できません</source>
        <translation>%1 n’est pas un dossier, donc le jeu ne peut pas commencer</translation>
    </message>
    <message>
        <source>%1 を つくれないので できません</source>
        <translation>%1 ne peut pas être créé, donc le jeu ne peut pas commencer</translation>
    </message>
    <message>
        <source>%1 に かきこめないので できません</source>
        <translation>On ne peut pas écrire dans %1, donc le jeu ne peut pas commencer</translation>
    </message>
    <message>
        <source>%1 に はいれないので できません</source>
        <translation>%1 ne peut pas être ouvert, donc le jeu ne peut pas commencer</translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>MCI ﾃﾞﾊﾞｲｽがありません</source>
        <translation>Il n&apos;y a pas d&apos;appareil pour la musique</translation>
    </message>
    <message>
        <source>音楽データが ありません</source>
        <translation>Il n&apos;y a pas de musique</translation>
    </message>
    <message>
        <source>%1 が よめません</source>
        <translation>Impossible de lire %1</translation>
    </message>
    <message>
        <source>%1 は MIDI データではありません</source>
        <translation>%1 n&apos;est pas de la musique MIDI</translation>
    </message>
    <message>
        <source>%1 の MIDI データが こわれています</source>
        <translation>La musique MIDI de %1 est abîmée</translation>
    </message>
    <message>
        <source>%1 の MIDI データの形式には 対応していません</source>
        <translation>Ce type de musique MIDI (%1) n&apos;est pas pris en charge</translation>
    </message>
    <message>
        <source>音楽を鳴らす準備が できません</source>
        <translation>Impossible de préparer la musique</translation>
    </message>
    <message>
        <source>音楽用の音色データ (SoundFont) が見つかりません</source>
        <translation>Aucun son d&apos;instrument (SoundFont) trouvé pour la musique</translation>
    </message>
    <message>
        <source>音を出す装置が使えません</source>
        <translation>Impossible d&apos;utiliser l&apos;appareil audio</translation>
    </message>
</context>
<context>
    <name>NamePrompt</name>
    <message>
        <source>EnterName</source>
        <translation>Ton nom</translation>
    </message>
    <message>
        <source>なまえをいれよう</source>
        <translation>Écris ton nom</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています</source>
        <translation>Indice de liste hors limites</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 は大きすぎて開けません</source>
        <translation>Le fichier %1 est trop gros pour être ouvert</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 は開けません</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 を作成できません</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>« %1 » n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 の名前を変更できません</source>
        <translation>Impossible de renommer le fichier %1</translation>
    </message>
    <message>
        <source>%1 を %2 という なまえで のこして、せいせきを はじめから つけなおしますか?</source>
        <translation>Garder %1 sous le nom %2 et recommencer les scores à zéro ?</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Time: %1 秒</source>
        <translation>Temps %1</translation>
    </message>
    <message>
        <source>Point: %1 点</source>
        <translation>Points %1</translation>
    </message>
    <message>
        <source>Wait: %1</source>
        <translation>Attends %1</translation>
    </message>
    <message>
        <source>ｴﾝﾀｰｷｰを おしてね</source>
        <translation>Appuie sur Entrée !</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ中  がんばれ！！</source>
        <translation>En jeu  Vas-y !!</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ  ていし・・・</source>
        <translation>Jeu  en pause...</translation>
    </message>
    <message>
        <source>おわり！てをはなして</source>
        <translation>Fini ! Lâche tout !</translation>
    </message>
</context>
<context>
    <name>porimogu::ChildLock</name>
    <message>
        <source>まだ あそべるよ！</source>
        <translation>Tu peux continuer à jouer !</translation>
    </message>
    <message>
        <source>おとなの かたへ：
この 3つの キーを いっしょに おすと、ゲームが おわります。</source>
        <translation>Pour les grands :
appuyez ensemble sur ces trois touches pour quitter le jeu.</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maj</translation>
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
        <translation>À tous les petits</translation>
    </message>
    <message>
        <source>ぽっけより</source>
        <translation>Bisous, Pokke</translation>
    </message>
    <message>
        <source>ゲームのはやさ  40</source>
        <translation>Vitesse du jeu  40</translation>
    </message>
    <message>
        <source>表示されているｳｨﾝﾄﾞｳをﾓｰﾀﾞﾙにすることはできません</source>
        <translation>Impossible de rendre modale une fenêtre visible</translation>
    </message>
    <message>
        <source>ゲームのはやさ%1</source>
        <translation>Vitesse du jeu %1</translation>
    </message>
</context>
<context>
    <name>porimogu::THelpBox</name>
    <message>
        <source>へるぷ</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ゲームのしかた</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Astuces</translation>
    </message>
</context>
<context>
    <name>porimogu::TMainForm</name>
    <message>
        <source>もういちど おすと おわります</source>
        <translation>Appuie encore pour quitter</translation>
    </message>
    <message>
        <source>ゲーム (&amp;G)</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>スタート (&amp;S)</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>ていし (&amp;P)</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>やめる (&amp;Q)</source>
        <translation>&amp;Arrêter la partie</translation>
    </message>
    <message>
        <source>せいせき (&amp;T)</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>おわり (&amp;X)</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>せってい (&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>ゲームのはやさ (&amp;V)</source>
        <translation>&amp;Vitesse du jeu</translation>
    </message>
    <message>
        <source>おんがくつき (&amp;M)</source>
        <translation>&amp;Musique</translation>
    </message>
    <message>
        <source>なにかへんだ (&amp;S)</source>
        <translation>Un truc &amp;bizarre</translation>
    </message>
    <message>
        <source>へるぷ (&amp;H)</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>そうさのしかた (&amp;K)</source>
        <translation>&amp;Comment jouer</translation>
    </message>
    <message>
        <source>ヴァージョン (&amp;V)</source>
        <translation>&amp;Version</translation>
    </message>
    <message>
        <source>音楽データが ありません</source>
        <translation>Il n&apos;y a pas de musique</translation>
    </message>
    <message>
        <source>game.bmp がないので できません</source>
        <translation>Il manque game.bmp, le jeu ne peut pas démarrer</translation>
    </message>
    <message>
        <source>game.bmp が よめないので できません</source>
        <translation>Impossible de lire game.bmp, le jeu ne peut pas démarrer</translation>
    </message>
</context>
<context>
    <name>porimogu::TTopDlg</name>
    <message>
        <source>TopList Dialog</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Tops-List</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>  Name</source>
        <translation>  Nom</translation>
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
