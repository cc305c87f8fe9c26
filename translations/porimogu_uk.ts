<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="ja">
<context>
    <name>Boxes</name>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Так</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;Ні</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>中止(&amp;A)</source>
        <translation>&amp;Перервати</translation>
    </message>
    <message>
        <source>再試行(&amp;R)</source>
        <translation>П&amp;овторити</translation>
    </message>
    <message>
        <source>無視(&amp;I)</source>
        <translation>&amp;Ігнорувати</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>Усі</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Увага</translation>
    </message>
    <message>
        <source>ｴﾗｰ</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Інформація</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Підтвердження</translation>
    </message>
    <message>
        <source>その もじは つかえません</source>
        <translation>Цю літеру не можна вжити</translation>
    </message>
    <message>
        <source>%1 は %2 で かくね</source>
        <translation>%1 пишемо як %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>ぜんがめんで はじめます (F11 で きりかえ)</source>
        <translation>Почати на весь екран (F11 перемикає)</translation>
    </message>
    <message>
        <source>つかいかた: %1 [オプション]...</source>
        <translation>Використання: %1 [ПАРАМЕТР]...</translation>
    </message>
    <message>
        <source>ちいさな こどもの ための ゲームです。ぽっけを やじるしキーで うごかして、80 びょうの あいだに たべものを たべます。</source>
        <translation>Гра для маленьких дітей: веди Покке клавішами зі стрілками і з’їдай їжу за 80 секунд.</translation>
    </message>
    <message>
        <source>この せつめいを だして おわります</source>
        <translation>Показати цю довідку й вийти</translation>
    </message>
    <message>
        <source>バージョンを だして おわります</source>
        <translation>Показати версію й вийти</translation>
    </message>
    <message>
        <source>ライセンス GPL-3+: GNU GPL バージョン 3 以降 &lt;https://gnu.org/licenses/gpl.html&gt;。これは フリーソフトウェアです。かえることも くばることも できます。ほうりつで ゆるされる かぎり、なんの ほしょうも ありません。</source>
        <translation>Ліцензія GPL-3+: GNU GPL версії 3 або новішої &lt;https://gnu.org/licenses/gpl.html&gt;. Це вільна програма: її можна змінювати й поширювати. Жодних гарантій, наскільки це дозволяє закон.</translation>
    </message>
    <message>
        <source>「%1」という ことばは ありません。デスクトップの ことばで はじめます</source>
        <translation>Мови «%1» немає; гра почнеться мовою робочого столу</translation>
    </message>
    <message>
        <source>この ことばで はじめます: %1</source>
        <translation>Почати цією мовою: %1</translation>
    </message>
    <message>
        <source>おんがくなしで はじめます</source>
        <translation>Почати без музики</translation>
    </message>
    <message>
        <source>ゲームの はやさ N で はじめます: %1 から %2、ちいさいほど はやい (ふつうは %3)</source>
        <translation>Почати зі швидкістю N: від %1 до %2, менше — швидше (зазвичай %3)</translation>
    </message>
    <message>
        <source>こどもロック: ぜんがめんで、おとなが Ctrl+Shift+Q で おわるまで つづきます</source>
        <translation>Дитячий замок: повний екран, і гра триває, доки дорослий не закриє її клавішами Ctrl+Shift+Q</translation>
    </message>
    <message>
        <source>%1 は わからないので、つかわずに はじめます</source>
        <translation>%1 — невідомо; гра почнеться без цього</translation>
    </message>
    <message>
        <source>%1 の あとに あたいが ないので、つかわずに はじめます</source>
        <translation>Для %1 потрібне значення; гра почнеться без цього</translation>
    </message>
    <message>
        <source>はやさ %1 は つかえません: %2 から %3 の かずです。%4 で はじめます</source>
        <translation>Швидкість %1 не підходить: потрібне число від %2 до %3. Гра почнеться зі швидкістю %4</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>ぽりもぐゲーム</source>
        <translation>Поримогу</translation>
    </message>
    <message>
        <source>ちいさな こどもの ゲーム</source>
        <translation>Гра для малят</translation>
    </message>
    <message>
        <source>ぽっけを うごかして たべものを たべよう</source>
        <translation>Веди Покке полем і з’їдай їжу</translation>
    </message>
    <message>
        <source>こども;ゲーム;ぽっけ;たべもの;</source>
        <translation>діти;дитяча;гра;аркада;їжа;Покке;</translation>
    </message>
    <message>
        <source>ぜんがめんで あそぶ</source>
        <translation>На весь екран</translation>
    </message>
    <message>
        <source>こどもロックで あそぶ</source>
        <translation>Дитячий замок</translation>
    </message>
    <message>
        <source>おんがくなしで あそぶ</source>
        <translation>Без музики</translation>
    </message>
    <message>
        <source>ちいさな こどもの ための ゲーム</source>
        <translation>Гра для маленьких дітей</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>デスクトップから はじめるか、DISPLAY に うごいている X サーバーを いれてください。</source>
        <translation>Запусти гру з робочого столу або вкажи в DISPLAY робочий X-сервер.</translation>
    </message>
    <message>
        <source>X の がめんが ありません (DISPLAY が ありません)。</source>
        <translation>Немає екрана X (DISPLAY не задано).</translation>
    </message>
    <message>
        <source>X の がめん &quot;%1&quot; が ひらけません。</source>
        <translation>Не відкривається екран X «%1».</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>不明なエラー</source>
        <translation>Невідома помилка</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>ぽっけ</source>
        <comment>the player character&apos;s name</comment>
        <translation>Покке</translation>
    </message>
    <message>
        <source>ぽっけの ぽりもぐ ゲーム</source>
        <translation>Поримогу</translation>
    </message>
</context>
<context>
    <name>Gauge</name>
    <message>
        <source>%1 から %2 の間の値でなければなりません</source>
        <translation>Значення має бути від %1 до %2</translation>
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
        <translation>• Щоб почати гру,
    натисни Enter (вигнута стрілка)
• Веди Покке і з’їдай
    якомога більше
• Клавіші 2, 4, 6, 8 ведуть Покке
    (стрілки теж можна)
• Гра триває 80 секунд
• Щоб вийти, клацни × вікна;
    Esc теж зупиняє чи закінчує гру</translation>
    </message>
    <message>
        <source>・おばけを  たべると  げんてんです

・ぜんぶ  たべると  ボーナス！

・おばけは  のこしても  いいです

・すききらいは  いけません

・メニューをつかうとわかりやすい</source>
        <translation>• З’їси привида — втратиш бали

• З’їж усе — отримаєш бонус!

• Привида можна не їсти

• Не вередуй, їж усе

• З меню все зрозуміліше</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>ホームフォルダが わからないので できません</source>
        <translation>Домашня тека невідома, тому гра не може початися</translation>
    </message>
    <message>
        <source>%1 が フォルダでは ないので できません</source>
        <translation>%1 — не тека, тому гра не може початися</translation>
    </message>
    <message>
        <source>%1 を つくれないので できません</source>
        <translation>Не вдається створити %1, тому гра не може початися</translation>
    </message>
    <message>
        <source>%1 に かきこめないので できません</source>
        <translation>У %1 не можна записати, тому гра не може початися</translation>
    </message>
    <message>
        <source>%1 に はいれないので できません</source>
        <translation>Не вдається відкрити %1, тому гра не може початися</translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>MCI ﾃﾞﾊﾞｲｽがありません</source>
        <translation>Немає пристрою для музики</translation>
    </message>
    <message>
        <source>音楽データが ありません</source>
        <translation>Немає даних музики</translation>
    </message>
    <message>
        <source>%1 が よめません</source>
        <translation>Не вдається прочитати %1</translation>
    </message>
    <message>
        <source>%1 は MIDI データではありません</source>
        <translation>%1 — не MIDI-музика</translation>
    </message>
    <message>
        <source>%1 の MIDI データが こわれています</source>
        <translation>MIDI-музику в %1 пошкоджено</translation>
    </message>
    <message>
        <source>%1 の MIDI データの形式には 対応していません</source>
        <translation>Такий вид MIDI-музики в %1 не підтримується</translation>
    </message>
    <message>
        <source>音楽を鳴らす準備が できません</source>
        <translation>Не вдається підготувати музику</translation>
    </message>
    <message>
        <source>音楽用の音色データ (SoundFont) が見つかりません</source>
        <translation>Не знайдено звуків інструментів (SoundFont) для музики</translation>
    </message>
    <message>
        <source>音を出す装置が使えません</source>
        <translation>Звуковий пристрій недоступний</translation>
    </message>
</context>
<context>
    <name>NamePrompt</name>
    <message>
        <source>EnterName</source>
        <translation>Твоє ім’я</translation>
    </message>
    <message>
        <source>なまえをいれよう</source>
        <translation>Напиши своє ім’я</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています</source>
        <translation>Індекс списку поза межами</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 は大きすぎて開けません</source>
        <translation>Файл %1 завеликий, його не відкрити</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 は開けません</source>
        <translation>Не вдається відкрити файл %1</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 を作成できません</source>
        <translation>Не вдається створити файл %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>&apos;%1&apos; — не ціле число</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 の名前を変更できません</source>
        <translation>Не вдається перейменувати файл %1</translation>
    </message>
    <message>
        <source>%1 を %2 という なまえで のこして、せいせきを はじめから つけなおしますか?</source>
        <translation>Зберегти %1 під назвою %2 і почати рекорди заново?</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Time: %1 秒</source>
        <translation>Час: %1 с</translation>
    </message>
    <message>
        <source>Point: %1 点</source>
        <translation>Бали: %1</translation>
    </message>
    <message>
        <source>Wait: %1</source>
        <translation>Чекай: %1</translation>
    </message>
    <message>
        <source>ｴﾝﾀｰｷｰを おしてね</source>
        <translation>Натисни Enter!</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ中  がんばれ！！</source>
        <translation>Граємо  Давай!!</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ  ていし・・・</source>
        <translation>Гра  на паузі...</translation>
    </message>
    <message>
        <source>おわり！てをはなして</source>
        <translation>Кінець! Відпусти!</translation>
    </message>
</context>
<context>
    <name>porimogu::ChildLock</name>
    <message>
        <source>まだ あそべるよ！</source>
        <translation>Можна грати далі!</translation>
    </message>
    <message>
        <source>おとなの かたへ：
この 3つの キーを いっしょに おすと、ゲームが おわります。</source>
        <translation>Для дорослих:
щоб завершити гру, натисніть ці три клавіші разом.</translation>
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
        <translation>Версія</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ぽりもぐゲーム</source>
        <translation>Поримогу</translation>
    </message>
    <message>
        <source>Version 2</source>
        <translation>Версія 2</translation>
    </message>
    <message>
        <source>ちいさな みんなへ</source>
        <translation>Для всіх малят</translation>
    </message>
    <message>
        <source>ぽっけより</source>
        <translation>Від Покке</translation>
    </message>
    <message>
        <source>ゲームのはやさ  40</source>
        <translation>Швидкість  40</translation>
    </message>
    <message>
        <source>表示されているｳｨﾝﾄﾞｳをﾓｰﾀﾞﾙにすることはできません</source>
        <translation>Не можна зробити модальним вікно, яке вже видно</translation>
    </message>
    <message>
        <source>ゲームのはやさ%1</source>
        <translation>Швидкість %1</translation>
    </message>
</context>
<context>
    <name>porimogu::THelpBox</name>
    <message>
        <source>へるぷ</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ゲームのしかた</source>
        <translation>Як грати</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Поради</translation>
    </message>
</context>
<context>
    <name>porimogu::TMainForm</name>
    <message>
        <source>もういちど おすと おわります</source>
        <translation>Натисни ще раз, щоб вийти</translation>
    </message>
    <message>
        <source>ゲーム (&amp;G)</source>
        <translation>&amp;Гра</translation>
    </message>
    <message>
        <source>スタート (&amp;S)</source>
        <translation>&amp;Старт</translation>
    </message>
    <message>
        <source>ていし (&amp;P)</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message>
        <source>やめる (&amp;Q)</source>
        <translation>&amp;Закінчити гру</translation>
    </message>
    <message>
        <source>せいせき (&amp;T)</source>
        <translation>&amp;Рекорди</translation>
    </message>
    <message>
        <source>おわり (&amp;X)</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>せってい (&amp;O)</source>
        <translation>&amp;Налаштування</translation>
    </message>
    <message>
        <source>ゲームのはやさ (&amp;V)</source>
        <translation>&amp;Швидкість гри</translation>
    </message>
    <message>
        <source>おんがくつき (&amp;M)</source>
        <translation>&amp;Музика</translation>
    </message>
    <message>
        <source>なにかへんだ (&amp;S)</source>
        <translation>&amp;Щось дивне</translation>
    </message>
    <message>
        <source>へるぷ (&amp;H)</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>そうさのしかた (&amp;K)</source>
        <translation>&amp;Як грати</translation>
    </message>
    <message>
        <source>ヴァージョン (&amp;V)</source>
        <translation>&amp;Версія</translation>
    </message>
    <message>
        <source>音楽データが ありません</source>
        <translation>Немає даних музики</translation>
    </message>
    <message>
        <source>game.bmp がないので できません</source>
        <translation>Немає game.bmp, тож гра не почнеться</translation>
    </message>
    <message>
        <source>game.bmp が よめないので できません</source>
        <translation>Не вдається прочитати game.bmp, тож гра не почнеться</translation>
    </message>
</context>
<context>
    <name>porimogu::TTopDlg</name>
    <message>
        <source>TopList Dialog</source>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source>Tops-List</source>
        <translation>Десятка найкращих</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>№</translation>
    </message>
    <message>
        <source>  Name</source>
        <translation>  Ім’я</translation>
    </message>
    <message>
        <source>  Points</source>
        <translation>  Бали</translation>
    </message>
    <message>
        <source>  Date</source>
        <translation>  Дата</translation>
    </message>
</context>
</TS>
