<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="ja">
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
        <translation>确定</translation>
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
        <translation>重试(&amp;R)</translation>
    </message>
    <message>
        <source>無視(&amp;I)</source>
        <translation>忽略(&amp;I)</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>ｴﾗｰ</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>その もじは つかえません</source>
        <translation>这个字不能用</translation>
    </message>
    <message>
        <source>%1 は %2 で かくね</source>
        <translation>%1 写成 %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>ぜんがめんで はじめます (F11 で きりかえ)</source>
        <translation>以全屏开始 (按 F11 切换)</translation>
    </message>
    <message>
        <source>つかいかた: %1 [オプション]...</source>
        <translation>用法: %1 [选项]...</translation>
    </message>
    <message>
        <source>ちいさな こどもの ための ゲームです。ぽっけを やじるしキーで うごかして、80 びょうの あいだに たべものを たべます。</source>
        <translation>这是给小朋友玩的游戏。用方向键移动 Pokke，在 80 秒内吃东西。</translation>
    </message>
    <message>
        <source>この せつめいを だして おわります</source>
        <translation>显示这个说明后退出</translation>
    </message>
    <message>
        <source>バージョンを だして おわります</source>
        <translation>显示版本后退出</translation>
    </message>
    <message>
        <source>ライセンス GPL-3+: GNU GPL バージョン 3 以降 &lt;https://gnu.org/licenses/gpl.html&gt;。これは フリーソフトウェアです。かえることも くばることも できます。ほうりつで ゆるされる かぎり、なんの ほしょうも ありません。</source>
        <translation>许可证 GPL-3+：GNU GPL 第 3 版或更新版本 &lt;https://gnu.org/licenses/gpl.html&gt;。这是自由软件：您可以自由修改和分发它。在法律允许的范围内，不提供任何担保。</translation>
    </message>
    <message>
        <source>「%1」という ことばは ありません。デスクトップの ことばで はじめます</source>
        <translation>没有“%1”这种语言，游戏用桌面的语言开始</translation>
    </message>
    <message>
        <source>この ことばで はじめます: %1</source>
        <translation>用这种语言开始：%1</translation>
    </message>
    <message>
        <source>おんがくなしで はじめます</source>
        <translation>不放音乐开始</translation>
    </message>
    <message>
        <source>ゲームの はやさ N で はじめます: %1 から %2、ちいさいほど はやい (ふつうは %3)</source>
        <translation>以速度 N 开始：%1 到 %2，越小越快（平常是 %3）</translation>
    </message>
    <message>
        <source>こどもロック: ぜんがめんで、おとなが Ctrl+Shift+Q で おわるまで つづきます</source>
        <translation>儿童锁：全屏，一直玩到大人按 Ctrl+Shift+Q 结束</translation>
    </message>
    <message>
        <source>%1 は わからないので、つかわずに はじめます</source>
        <translation>不认识 %1，不用它开始游戏</translation>
    </message>
    <message>
        <source>%1 の あとに あたいが ないので、つかわずに はじめます</source>
        <translation>%1 后面要有一个值，不用它开始游戏</translation>
    </message>
    <message>
        <source>はやさ %1 は つかえません: %2 から %3 の かずです。%4 で はじめます</source>
        <translation>速度 %1 不能用：要 %2 到 %3 的数字。用 %4 开始游戏</translation>
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
        <translation>儿童游戏</translation>
    </message>
    <message>
        <source>ぽっけを うごかして たべものを たべよう</source>
        <translation>移动 Pokke，把食物吃掉吧</translation>
    </message>
    <message>
        <source>こども;ゲーム;ぽっけ;たべもの;</source>
        <translation>儿童;小孩;游戏;食物;Pokke;</translation>
    </message>
    <message>
        <source>ぜんがめんで あそぶ</source>
        <translation>全屏玩</translation>
    </message>
    <message>
        <source>こどもロックで あそぶ</source>
        <translation>开着儿童锁玩</translation>
    </message>
    <message>
        <source>おんがくなしで あそぶ</source>
        <translation>不放音乐玩</translation>
    </message>
    <message>
        <source>ちいさな こどもの ための ゲーム</source>
        <translation>给小朋友玩的游戏</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>デスクトップから はじめるか、DISPLAY に うごいている X サーバーを いれてください。</source>
        <translation>请从桌面启动游戏，或者把 DISPLAY 设为正在运行的 X 服务器。</translation>
    </message>
    <message>
        <source>X の がめんが ありません (DISPLAY が ありません)。</source>
        <translation>没有 X 显示（没有设置 DISPLAY）。</translation>
    </message>
    <message>
        <source>X の がめん &quot;%1&quot; が ひらけません。</source>
        <translation>打不开 X 显示“%1”。</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>不明なエラー</source>
        <translation>未知错误</translation>
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
        <translation>值必须在 %1 和 %2 之间</translation>
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
        <translation>•开始游戏时
    按 Enter 键（弯弯的箭头键）
•移动 Pokke 来玩
    尽量多吃东西
•用 2、4、6、8 键移动 Pokke
    （方向键也可以）
•游戏时间是 80 秒
•结束时，点一下窗口的 ×
    按 Esc 键也能结束或暂停</translation>
    </message>
    <message>
        <source>・おばけを  たべると  げんてんです

・ぜんぶ  たべると  ボーナス！

・おばけは  のこしても  いいです

・すききらいは  いけません

・メニューをつかうとわかりやすい</source>
        <translation>•吃了小幽灵会扣分

•全部吃光有奖励！

•小幽灵可以不吃

•不要挑食哦

•用菜单会更容易明白</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>ホームフォルダが わからないので できません</source>
        <translation>不知道主文件夹在哪里，所以游戏不能开始</translation>
    </message>
    <message>
        <source>%1 が フォルダでは ないので できません</source>
        <translation>%1 不是文件夹，所以游戏不能开始</translation>
    </message>
    <message>
        <source>%1 を つくれないので できません</source>
        <translation>不能创建 %1，所以游戏不能开始</translation>
    </message>
    <message>
        <source>%1 に かきこめないので できません</source>
        <translation>不能写入 %1，所以游戏不能开始</translation>
    </message>
    <message>
        <source>%1 に はいれないので できません</source>
        <translation>不能打开 %1，所以游戏不能开始</translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>MCI ﾃﾞﾊﾞｲｽがありません</source>
        <translation>没有音乐设备</translation>
    </message>
    <message>
        <source>音楽データが ありません</source>
        <translation>没有音乐数据</translation>
    </message>
    <message>
        <source>%1 が よめません</source>
        <translation>无法读取 %1</translation>
    </message>
    <message>
        <source>%1 は MIDI データではありません</source>
        <translation>%1 不是 MIDI 音乐</translation>
    </message>
    <message>
        <source>%1 の MIDI データが こわれています</source>
        <translation>%1 的 MIDI 数据已损坏</translation>
    </message>
    <message>
        <source>%1 の MIDI データの形式には 対応していません</source>
        <translation>不支持 %1 的 MIDI 数据格式</translation>
    </message>
    <message>
        <source>音楽を鳴らす準備が できません</source>
        <translation>无法准备播放音乐</translation>
    </message>
    <message>
        <source>音楽用の音色データ (SoundFont) が見つかりません</source>
        <translation>找不到音乐用的音色数据 (SoundFont)</translation>
    </message>
    <message>
        <source>音を出す装置が使えません</source>
        <translation>无法使用声音设备</translation>
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
        <translation>输入你的名字吧</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています</source>
        <translation>列表索引超出范围</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 は大きすぎて開けません</source>
        <translation>文件 %1 太大，无法打开</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 は開けません</source>
        <translation>无法打开文件 %1</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 を作成できません</source>
        <translation>无法创建文件 %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>&apos;%1&apos; 不是整数</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 の名前を変更できません</source>
        <translation>无法重命名文件 %1</translation>
    </message>
    <message>
        <source>%1 を %2 という なまえで のこして、せいせきを はじめから つけなおしますか?</source>
        <translation>把 %1 保存为 %2，重新开始记录成绩吗？</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Time: %1 秒</source>
        <translation>时间: %1 秒</translation>
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
        <translation>请按 Enter 键</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ中  がんばれ！！</source>
        <translation>游戏中  加油！！</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ  ていし・・・</source>
        <translation>游戏  暂停……</translation>
    </message>
    <message>
        <source>おわり！てをはなして</source>
        <translation>结束！把手拿开</translation>
    </message>
</context>
<context>
    <name>porimogu::ChildLock</name>
    <message>
        <source>まだ あそべるよ！</source>
        <translation>还可以接着玩哦！</translation>
    </message>
    <message>
        <source>おとなの かたへ：
この 3つの キーを いっしょに おすと、ゲームが おわります。</source>
        <translation>给大人：
同时按下这三个键，就能结束游戏。</translation>
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
        <translation>版本信息</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>献给小朋友们</translation>
    </message>
    <message>
        <source>ぽっけより</source>
        <translation>来自 Pokke</translation>
    </message>
    <message>
        <source>ゲームのはやさ  40</source>
        <translation>游戏速度  40</translation>
    </message>
    <message>
        <source>表示されているｳｨﾝﾄﾞｳをﾓｰﾀﾞﾙにすることはできません</source>
        <translation>无法将显示中的窗口设为模态</translation>
    </message>
    <message>
        <source>ゲームのはやさ%1</source>
        <translation>游戏速度 %1</translation>
    </message>
</context>
<context>
    <name>porimogu::THelpBox</name>
    <message>
        <source>へるぷ</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>再按一次就结束</translation>
    </message>
    <message>
        <source>ゲーム (&amp;G)</source>
        <translation>游戏 (&amp;G)</translation>
    </message>
    <message>
        <source>スタート (&amp;S)</source>
        <translation>开始 (&amp;S)</translation>
    </message>
    <message>
        <source>ていし (&amp;P)</source>
        <translation>暂停 (&amp;P)</translation>
    </message>
    <message>
        <source>やめる (&amp;Q)</source>
        <translation>结束游戏 (&amp;Q)</translation>
    </message>
    <message>
        <source>せいせき (&amp;T)</source>
        <translation>成绩 (&amp;T)</translation>
    </message>
    <message>
        <source>おわり (&amp;X)</source>
        <translation>退出 (&amp;X)</translation>
    </message>
    <message>
        <source>せってい (&amp;O)</source>
        <translation>设置 (&amp;O)</translation>
    </message>
    <message>
        <source>ゲームのはやさ (&amp;V)</source>
        <translation>游戏速度 (&amp;V)</translation>
    </message>
    <message>
        <source>おんがくつき (&amp;M)</source>
        <translation>音乐 (&amp;M)</translation>
    </message>
    <message>
        <source>なにかへんだ (&amp;S)</source>
        <translation>有点怪怪的 (&amp;S)</translation>
    </message>
    <message>
        <source>へるぷ (&amp;H)</source>
        <translation>帮助 (&amp;H)</translation>
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
        <translation>没有音乐数据</translation>
    </message>
    <message>
        <source>game.bmp がないので できません</source>
        <translation>没有 game.bmp，无法开始游戏</translation>
    </message>
    <message>
        <source>game.bmp が よめないので できません</source>
        <translation>无法读取 game.bmp，无法开始游戏</translation>
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
        <translation>确定</translation>
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
