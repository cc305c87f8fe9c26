<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="ja">
<context>
    <name>Boxes</name>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>中止(&amp;A)</source>
        <translation>中止(&amp;A)</translation>
    </message>
    <message>
        <source>再試行(&amp;R)</source>
        <translation>重試(&amp;R)</translation>
    </message>
    <message>
        <source>無視(&amp;I)</source>
        <translation>略過(&amp;I)</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>ｴﾗｰ</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>その もじは つかえません</source>
        <translation>這個字不能用</translation>
    </message>
    <message>
        <source>%1 は %2 で かくね</source>
        <translation>%1 寫成 %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>ぜんがめんで はじめます (F11 で きりかえ)</source>
        <translation>以全螢幕開始 (按 F11 切換)</translation>
    </message>
    <message>
        <source>つかいかた: %1 [オプション]...</source>
        <translation>用法: %1 [選項]...</translation>
    </message>
    <message>
        <source>ちいさな こどもの ための ゲームです。ぽっけを やじるしキーで うごかして、80 びょうの あいだに たべものを たべます。</source>
        <translation>這是給小朋友玩的遊戲。用方向鍵移動 Pokke，在 80 秒內吃東西。</translation>
    </message>
    <message>
        <source>この せつめいを だして おわります</source>
        <translation>顯示這個說明後結束</translation>
    </message>
    <message>
        <source>バージョンを だして おわります</source>
        <translation>顯示版本後結束</translation>
    </message>
    <message>
        <source>ライセンス GPL-3+: GNU GPL バージョン 3 以降 &lt;https://gnu.org/licenses/gpl.html&gt;。これは フリーソフトウェアです。かえることも くばることも できます。ほうりつで ゆるされる かぎり、なんの ほしょうも ありません。</source>
        <translation>授權條款 GPL-3+：GNU GPL 第 3 版或更新版本 &lt;https://gnu.org/licenses/gpl.html&gt;。這是自由軟體：您可以自由修改和散布它。在法律允許的範圍內，不提供任何擔保。</translation>
    </message>
    <message>
        <source>「%1」という ことばは ありません。デスクトップの ことばで はじめます</source>
        <translation>沒有「%1」這種語言，遊戲用桌面的語言開始</translation>
    </message>
    <message>
        <source>この ことばで はじめます: %1</source>
        <translation>用這種語言開始：%1</translation>
    </message>
    <message>
        <source>おんがくなしで はじめます</source>
        <translation>不放音樂開始</translation>
    </message>
    <message>
        <source>ゲームの はやさ N で はじめます: %1 から %2、ちいさいほど はやい (ふつうは %3)</source>
        <translation>以速度 N 開始：%1 到 %2，越小越快（平常是 %3）</translation>
    </message>
    <message>
        <source>こどもロック: ぜんがめんで、おとなが Ctrl+Shift+Q で おわるまで つづきます</source>
        <translation>兒童鎖：全螢幕，一直玩到大人按 Ctrl+Shift+Q 結束</translation>
    </message>
    <message>
        <source>%1 は わからないので、つかわずに はじめます</source>
        <translation>不認識 %1，不用它開始遊戲</translation>
    </message>
    <message>
        <source>%1 の あとに あたいが ないので、つかわずに はじめます</source>
        <translation>%1 後面要有一個值，不用它開始遊戲</translation>
    </message>
    <message>
        <source>はやさ %1 は つかえません: %2 から %3 の かずです。%4 で はじめます</source>
        <translation>速度 %1 不能用：要 %2 到 %3 的數字。用 %4 開始遊戲</translation>
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
        <translation>兒童遊戲</translation>
    </message>
    <message>
        <source>ぽっけを うごかして たべものを たべよう</source>
        <translation>移動 Pokke，把食物吃掉吧</translation>
    </message>
    <message>
        <source>こども;ゲーム;ぽっけ;たべもの;</source>
        <translation>兒童;小孩;遊戲;食物;Pokke;</translation>
    </message>
    <message>
        <source>ぜんがめんで あそぶ</source>
        <translation>全螢幕玩</translation>
    </message>
    <message>
        <source>こどもロックで あそぶ</source>
        <translation>開著兒童鎖玩</translation>
    </message>
    <message>
        <source>おんがくなしで あそぶ</source>
        <translation>不放音樂玩</translation>
    </message>
    <message>
        <source>ちいさな こどもの ための ゲーム</source>
        <translation>給小朋友玩的遊戲</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>デスクトップから はじめるか、DISPLAY に うごいている X サーバーを いれてください。</source>
        <translation>請從桌面啟動遊戲，或把 DISPLAY 設成正在執行的 X 伺服器。</translation>
    </message>
    <message>
        <source>X の がめんが ありません (DISPLAY が ありません)。</source>
        <translation>沒有 X 顯示（沒有設定 DISPLAY）。</translation>
    </message>
    <message>
        <source>X の がめん &quot;%1&quot; が ひらけません。</source>
        <translation>打不開 X 顯示「%1」。</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>不明なエラー</source>
        <translation>未知的錯誤</translation>
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
        <translation>值必須介於 %1 和 %2 之間</translation>
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
        <translation>•開始遊戲時
    按 Enter 鍵（彎彎的箭頭鍵）
•移動 Pokke 來玩
    盡量多吃東西
•用 2、4、6、8 鍵移動 Pokke
    （方向鍵也可以）
•遊戲時間是 80 秒
•結束時，點一下視窗的 ×
    按 Esc 鍵也能結束或暫停</translation>
    </message>
    <message>
        <source>・おばけを  たべると  げんてんです

・ぜんぶ  たべると  ボーナス！

・おばけは  のこしても  いいです

・すききらいは  いけません

・メニューをつかうとわかりやすい</source>
        <translation>•吃了小幽靈會扣分

•全部吃光有獎勵！

•小幽靈可以不吃

•不要挑食喔

•用選單會更容易明白</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>ホームフォルダが わからないので できません</source>
        <translation>不知道家目錄在哪裡，所以遊戲不能開始</translation>
    </message>
    <message>
        <source>%1 が フォルダでは ないので できません</source>
        <translation>%1 不是資料夾，所以遊戲不能開始</translation>
    </message>
    <message>
        <source>%1 を つくれないので できません</source>
        <translation>不能建立 %1，所以遊戲不能開始</translation>
    </message>
    <message>
        <source>%1 に かきこめないので できません</source>
        <translation>不能寫入 %1，所以遊戲不能開始</translation>
    </message>
    <message>
        <source>%1 に はいれないので できません</source>
        <translation>不能打開 %1，所以遊戲不能開始</translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>MCI ﾃﾞﾊﾞｲｽがありません</source>
        <translation>沒有音樂裝置</translation>
    </message>
    <message>
        <source>音楽データが ありません</source>
        <translation>沒有音樂資料</translation>
    </message>
    <message>
        <source>%1 が よめません</source>
        <translation>無法讀取 %1</translation>
    </message>
    <message>
        <source>%1 は MIDI データではありません</source>
        <translation>%1 不是 MIDI 音樂</translation>
    </message>
    <message>
        <source>%1 の MIDI データが こわれています</source>
        <translation>%1 的 MIDI 資料已損壞</translation>
    </message>
    <message>
        <source>%1 の MIDI データの形式には 対応していません</source>
        <translation>不支援 %1 的 MIDI 資料格式</translation>
    </message>
    <message>
        <source>音楽を鳴らす準備が できません</source>
        <translation>無法準備播放音樂</translation>
    </message>
    <message>
        <source>音楽用の音色データ (SoundFont) が見つかりません</source>
        <translation>找不到音樂用的音色資料 (SoundFont)</translation>
    </message>
    <message>
        <source>音を出す装置が使えません</source>
        <translation>無法使用聲音裝置</translation>
    </message>
</context>
<context>
    <name>NamePrompt</name>
    <message>
        <source>EnterName</source>
        <translation>你的名字</translation>
    </message>
    <message>
        <source>なまえをいれよう</source>
        <translation>輸入你的名字吧</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています</source>
        <translation>清單索引超出範圍</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 は大きすぎて開けません</source>
        <translation>檔案 %1 太大，無法開啟</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 は開けません</source>
        <translation>無法開啟檔案 %1</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 を作成できません</source>
        <translation>無法建立檔案 %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>&apos;%1&apos; 不是整數</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 の名前を変更できません</source>
        <translation>無法重新命名檔案 %1</translation>
    </message>
    <message>
        <source>%1 を %2 という なまえで のこして、せいせきを はじめから つけなおしますか?</source>
        <translation>把 %1 另存為 %2，重新開始記錄成績嗎？</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Time: %1 秒</source>
        <translation>時間: %1 秒</translation>
    </message>
    <message>
        <source>Point: %1 点</source>
        <translation>得分: %1 分</translation>
    </message>
    <message>
        <source>Wait: %1</source>
        <translation>稍等: %1</translation>
    </message>
    <message>
        <source>ｴﾝﾀｰｷｰを おしてね</source>
        <translation>請按 Enter 鍵</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ中  がんばれ！！</source>
        <translation>遊戲中  加油！！</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ  ていし・・・</source>
        <translation>遊戲  暫停……</translation>
    </message>
    <message>
        <source>おわり！てをはなして</source>
        <translation>結束！把手放開</translation>
    </message>
</context>
<context>
    <name>porimogu::ChildLock</name>
    <message>
        <source>まだ あそべるよ！</source>
        <translation>還可以接著玩喔！</translation>
    </message>
    <message>
        <source>おとなの かたへ：
この 3つの キーを いっしょに おすと、ゲームが おわります。</source>
        <translation>給大人：
同時按下這三個鍵，就能結束遊戲。</translation>
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
        <translation>版本資訊</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>ぽりもぐゲーム</source>
        <translation>Porimogu</translation>
    </message>
    <message>
        <source>Version 2</source>
        <translation>版本 2</translation>
    </message>
    <message>
        <source>ちいさな みんなへ</source>
        <translation>獻給小朋友們</translation>
    </message>
    <message>
        <source>ぽっけより</source>
        <translation>來自 Pokke</translation>
    </message>
    <message>
        <source>ゲームのはやさ  40</source>
        <translation>遊戲速度  40</translation>
    </message>
    <message>
        <source>表示されているｳｨﾝﾄﾞｳをﾓｰﾀﾞﾙにすることはできません</source>
        <translation>無法將顯示中的視窗設為強制回應</translation>
    </message>
    <message>
        <source>ゲームのはやさ%1</source>
        <translation>遊戲速度 %1</translation>
    </message>
</context>
<context>
    <name>porimogu::THelpBox</name>
    <message>
        <source>へるぷ</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>ゲームのしかた</source>
        <translation>玩法</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>porimogu::TMainForm</name>
    <message>
        <source>もういちど おすと おわります</source>
        <translation>再按一次就結束</translation>
    </message>
    <message>
        <source>ゲーム (&amp;G)</source>
        <translation>遊戲 (&amp;G)</translation>
    </message>
    <message>
        <source>スタート (&amp;S)</source>
        <translation>開始 (&amp;S)</translation>
    </message>
    <message>
        <source>ていし (&amp;P)</source>
        <translation>暫停 (&amp;P)</translation>
    </message>
    <message>
        <source>やめる (&amp;Q)</source>
        <translation>結束遊戲 (&amp;Q)</translation>
    </message>
    <message>
        <source>せいせき (&amp;T)</source>
        <translation>成績 (&amp;T)</translation>
    </message>
    <message>
        <source>おわり (&amp;X)</source>
        <translation>離開 (&amp;X)</translation>
    </message>
    <message>
        <source>せってい (&amp;O)</source>
        <translation>設定 (&amp;O)</translation>
    </message>
    <message>
        <source>ゲームのはやさ (&amp;V)</source>
        <translation>遊戲速度 (&amp;V)</translation>
    </message>
    <message>
        <source>おんがくつき (&amp;M)</source>
        <translation>音樂 (&amp;M)</translation>
    </message>
    <message>
        <source>なにかへんだ (&amp;S)</source>
        <translation>有點怪怪的 (&amp;S)</translation>
    </message>
    <message>
        <source>へるぷ (&amp;H)</source>
        <translation>說明 (&amp;H)</translation>
    </message>
    <message>
        <source>そうさのしかた (&amp;K)</source>
        <translation>操作方法 (&amp;K)</translation>
    </message>
    <message>
        <source>ヴァージョン (&amp;V)</source>
        <translation>版本 (&amp;V)</translation>
    </message>
    <message>
        <source>音楽データが ありません</source>
        <translation>沒有音樂資料</translation>
    </message>
    <message>
        <source>game.bmp がないので できません</source>
        <translation>沒有 game.bmp，無法開始遊戲</translation>
    </message>
    <message>
        <source>game.bmp が よめないので できません</source>
        <translation>無法讀取 game.bmp，無法開始遊戲</translation>
    </message>
</context>
<context>
    <name>porimogu::TTopDlg</name>
    <message>
        <source>TopList Dialog</source>
        <translation>排行榜</translation>
    </message>
    <message>
        <source>Tops-List</source>
        <translation>前十名</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>名次</translation>
    </message>
    <message>
        <source>  Name</source>
        <translation>  名字</translation>
    </message>
    <message>
        <source>  Points</source>
        <translation>  得分</translation>
    </message>
    <message>
        <source>  Date</source>
        <translation>  日期</translation>
    </message>
</context>
</TS>
