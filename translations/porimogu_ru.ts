<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="ja">
<context>
    <name>Boxes</name>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>中止(&amp;A)</source>
        <translation>&amp;Прервать</translation>
    </message>
    <message>
        <source>再試行(&amp;R)</source>
        <translation>П&amp;овторить</translation>
    </message>
    <message>
        <source>無視(&amp;I)</source>
        <translation>Пропу&amp;стить</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>Спр&amp;авка</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>ｴﾗｰ</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>その もじは つかえません</source>
        <translation>Эту букву нельзя использовать</translation>
    </message>
    <message>
        <source>%1 は %2 で かくね</source>
        <translation>%1 пишем как %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>ぜんがめんで はじめます (F11 で きりかえ)</source>
        <translation>Запуск во весь экран (F11 переключает).</translation>
    </message>
    <message>
        <source>つかいかた: %1 [オプション]...</source>
        <translation>Использование: %1 [ПАРАМЕТР]...</translation>
    </message>
    <message>
        <source>ちいさな こどもの ための ゲームです。ぽっけを やじるしキーで うごかして、80 びょうの あいだに たべものを たべます。</source>
        <translation>Игра для маленьких детей: води Покке стрелками и съешь еду за 80 секунд.</translation>
    </message>
    <message>
        <source>この せつめいを だして おわります</source>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>バージョンを だして おわります</source>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>ライセンス GPL-3+: GNU GPL バージョン 3 以降 &lt;https://gnu.org/licenses/gpl.html&gt;。これは フリーソフトウェアです。かえることも くばることも できます。ほうりつで ゆるされる かぎり、なんの ほしょうも ありません。</source>
        <translation>Лицензия GPL-3+: GNU GPL версии 3 или новее &lt;https://gnu.org/licenses/gpl.html&gt;. Это свободное ПО: вы можете изменять и распространять его. НЕТ НИКАКИХ ГАРАНТИЙ в пределах, допустимых законом.</translation>
    </message>
    <message>
        <source>「%1」という ことばは ありません。デスクトップの ことばで はじめます</source>
        <translation>Языка «%1» нет; игра начнётся на языке рабочего стола</translation>
    </message>
    <message>
        <source>この ことばで はじめます: %1</source>
        <translation>Запуск на этом языке: %1.</translation>
    </message>
    <message>
        <source>おんがくなしで はじめます</source>
        <translation>Начать без музыки.</translation>
    </message>
    <message>
        <source>ゲームの はやさ N で はじめます: %1 から %2、ちいさいほど はやい (ふつうは %3)</source>
        <translation>Начать со скоростью N: от %1 до %2, меньше — быстрее (обычно %3).</translation>
    </message>
    <message>
        <source>こどもロック: ぜんがめんで、おとなが Ctrl+Shift+Q で おわるまで つづきます</source>
        <translation>Детский замок: полный экран, и игра идёт, пока взрослый не закроет её клавишами Ctrl+Shift+Q.</translation>
    </message>
    <message>
        <source>%1 は わからないので、つかわずに はじめます</source>
        <translation>%1 — неизвестно; игра начнётся без этого</translation>
    </message>
    <message>
        <source>%1 の あとに あたいが ないので、つかわずに はじめます</source>
        <translation>Для %1 нужно значение; игра начнётся без этого</translation>
    </message>
    <message>
        <source>はやさ %1 は つかえません: %2 から %3 の かずです。%4 で はじめます</source>
        <translation>Скорость %1 не подходит: нужно число от %2 до %3. Игра начнётся со скоростью %4</translation>
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
        <translation>Игра для маленьких детей</translation>
    </message>
    <message>
        <source>ぽっけを うごかして たべものを たべよう</source>
        <translation>Води Покке и ешь еду</translation>
    </message>
    <message>
        <source>こども;ゲーム;ぽっけ;たべもの;</source>
        <translation>дети;игра;малыши;еда;Покке;Pokke;</translation>
    </message>
    <message>
        <source>ぜんがめんで あそぶ</source>
        <translation>Играть во весь экран</translation>
    </message>
    <message>
        <source>こどもロックで あそぶ</source>
        <translation>Играть с защитой от детей</translation>
    </message>
    <message>
        <source>おんがくなしで あそぶ</source>
        <translation>Играть без музыки</translation>
    </message>
    <message>
        <source>ちいさな こどもの ための ゲーム</source>
        <translation>Игра для маленьких детей</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>デスクトップから はじめるか、DISPLAY に うごいている X サーバーを いれてください。</source>
        <translation>Запусти игру с рабочего стола или укажи в DISPLAY работающий X-сервер.</translation>
    </message>
    <message>
        <source>X の がめんが ありません (DISPLAY が ありません)。</source>
        <translation>Нет экрана X (DISPLAY не задан).</translation>
    </message>
    <message>
        <source>X の がめん &quot;%1&quot; が ひらけません。</source>
        <translation>Не открывается экран X «%1».</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>不明なエラー</source>
        <translation>Неизвестная ошибка</translation>
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
        <translation>Значение должно быть от %1 до %2</translation>
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
        <translation>• Чтобы начать игру,
    нажми Enter (кривая стрелка)
• Води Покке и ешь
    как можно больше
• Клавиши 2, 4, 6 и 8 двигают Покке
    (стрелки тоже работают)
• Игра длится 80 секунд
• Выход: нажми × в углу окна;
    Esc тоже ставит паузу или выходит</translation>
    </message>
    <message>
        <source>・おばけを  たべると  げんてんです

・ぜんぶ  たべると  ボーナス！

・おばけは  のこしても  いいです

・すききらいは  いけません

・メニューをつかうとわかりやすい</source>
        <translation>• За привидение снимают очки

• Съешь всё — получишь бонус!

• Привидение можно не есть

• Не привередничай в еде!

• С меню всё понятнее</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>ホームフォルダが わからないので できません</source>
        <translation>Домашняя папка неизвестна, поэтому игра не может начаться</translation>
    </message>
    <message>
        <source>%1 が フォルダでは ないので できません</source>
        <translation>%1 — не папка, поэтому игра не может начаться</translation>
    </message>
    <message>
        <source>%1 を つくれないので できません</source>
        <translation>Не удаётся создать %1, поэтому игра не может начаться</translation>
    </message>
    <message>
        <source>%1 に かきこめないので できません</source>
        <translation>В %1 нельзя записать, поэтому игра не может начаться</translation>
    </message>
    <message>
        <source>%1 に はいれないので できません</source>
        <translation>Не удаётся открыть %1, поэтому игра не может начаться</translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>MCI ﾃﾞﾊﾞｲｽがありません</source>
        <translation>Нет устройства для музыки</translation>
    </message>
    <message>
        <source>音楽データが ありません</source>
        <translation>Нет музыкальных данных</translation>
    </message>
    <message>
        <source>%1 が よめません</source>
        <translation>Не удаётся прочитать %1</translation>
    </message>
    <message>
        <source>%1 は MIDI データではありません</source>
        <translation>%1 — это не MIDI-музыка</translation>
    </message>
    <message>
        <source>%1 の MIDI データが こわれています</source>
        <translation>MIDI-музыка в %1 повреждена</translation>
    </message>
    <message>
        <source>%1 の MIDI データの形式には 対応していません</source>
        <translation>Такой вид MIDI-музыки в %1 не поддерживается</translation>
    </message>
    <message>
        <source>音楽を鳴らす準備が できません</source>
        <translation>Не удаётся подготовить музыку</translation>
    </message>
    <message>
        <source>音楽用の音色データ (SoundFont) が見つかりません</source>
        <translation>Не найдены звуки инструментов (SoundFont) для музыки</translation>
    </message>
    <message>
        <source>音を出す装置が使えません</source>
        <translation>Не удаётся использовать звуковое устройство</translation>
    </message>
</context>
<context>
    <name>NamePrompt</name>
    <message>
        <source>EnterName</source>
        <translation>Твоё имя</translation>
    </message>
    <message>
        <source>なまえをいれよう</source>
        <translation>Напиши своё имя</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています</source>
        <translation>Индекс списка вне диапазона</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 は大きすぎて開けません</source>
        <translation>Файл %1 слишком большой, его нельзя открыть</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 は開けません</source>
        <translation>Не удаётся открыть файл %1</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 を作成できません</source>
        <translation>Не удаётся создать файл %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>«%1» — не целое число</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ %1 の名前を変更できません</source>
        <translation>Не удаётся переименовать файл %1</translation>
    </message>
    <message>
        <source>%1 を %2 という なまえで のこして、せいせきを はじめから つけなおしますか?</source>
        <translation>Сохранить %1 под именем %2 и начать рекорды заново?</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Time: %1 秒</source>
        <translation>Время: %1</translation>
    </message>
    <message>
        <source>Point: %1 点</source>
        <translation>Очки: %1</translation>
    </message>
    <message>
        <source>Wait: %1</source>
        <translation>Жди: %1</translation>
    </message>
    <message>
        <source>ｴﾝﾀｰｷｰを おしてね</source>
        <translation>Нажми Enter!</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ中  がんばれ！！</source>
        <translation>Игра идёт  Вперёд!!</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ  ていし・・・</source>
        <translation>Игра  на паузе...</translation>
    </message>
    <message>
        <source>おわり！てをはなして</source>
        <translation>Конец! Отпусти!</translation>
    </message>
</context>
<context>
    <name>porimogu::ChildLock</name>
    <message>
        <source>まだ あそべるよ！</source>
        <translation>Можно играть дальше!</translation>
    </message>
    <message>
        <source>おとなの かたへ：
この 3つの キーを いっしょに おすと、ゲームが おわります。</source>
        <translation>Для взрослых:
нажмите эти три клавиши вместе — игра закончится.</translation>
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
        <translation>Версия</translation>
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
        <translation>Версия 2</translation>
    </message>
    <message>
        <source>ちいさな みんなへ</source>
        <translation>Всем малышам</translation>
    </message>
    <message>
        <source>ぽっけより</source>
        <translation>От Покке</translation>
    </message>
    <message>
        <source>ゲームのはやさ  40</source>
        <translation>Скорость  40</translation>
    </message>
    <message>
        <source>表示されているｳｨﾝﾄﾞｳをﾓｰﾀﾞﾙにすることはできません</source>
        <translation>Нельзя сделать видимое окно модальным</translation>
    </message>
    <message>
        <source>ゲームのはやさ%1</source>
        <translation>Скорость %1</translation>
    </message>
</context>
<context>
    <name>porimogu::THelpBox</name>
    <message>
        <source>へるぷ</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ゲームのしかた</source>
        <translation>Как играть</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Подсказки</translation>
    </message>
</context>
<context>
    <name>porimogu::TMainForm</name>
    <message>
        <source>もういちど おすと おわります</source>
        <translation>Нажми ещё раз, чтобы выйти</translation>
    </message>
    <message>
        <source>ゲーム (&amp;G)</source>
        <translation>&amp;Игра</translation>
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
        <translation>&amp;Закончить игру</translation>
    </message>
    <message>
        <source>せいせき (&amp;T)</source>
        <translation>&amp;Рекорды</translation>
    </message>
    <message>
        <source>おわり (&amp;X)</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>せってい (&amp;O)</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>ゲームのはやさ (&amp;V)</source>
        <translation>&amp;Скорость игры</translation>
    </message>
    <message>
        <source>おんがくつき (&amp;M)</source>
        <translation>&amp;Музыка</translation>
    </message>
    <message>
        <source>なにかへんだ (&amp;S)</source>
        <translation>Что-то ст&amp;ранное</translation>
    </message>
    <message>
        <source>へるぷ (&amp;H)</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>そうさのしかた (&amp;K)</source>
        <translation>&amp;Как играть</translation>
    </message>
    <message>
        <source>ヴァージョン (&amp;V)</source>
        <translation>&amp;Версия</translation>
    </message>
    <message>
        <source>音楽データが ありません</source>
        <translation>Нет музыкальных данных</translation>
    </message>
    <message>
        <source>game.bmp がないので できません</source>
        <translation>Нет файла game.bmp, поэтому игра не может начаться</translation>
    </message>
    <message>
        <source>game.bmp が よめないので できません</source>
        <translation>Не удаётся прочитать game.bmp, поэтому игра не может начаться</translation>
    </message>
</context>
<context>
    <name>porimogu::TTopDlg</name>
    <message>
        <source>TopList Dialog</source>
        <translation>Лучшая десятка</translation>
    </message>
    <message>
        <source>Tops-List</source>
        <translation>Лучшая десятка</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>№</translation>
    </message>
    <message>
        <source>  Name</source>
        <translation>  Имя</translation>
    </message>
    <message>
        <source>  Points</source>
        <translation>  Очки</translation>
    </message>
    <message>
        <source>  Date</source>
        <translation>  Дата</translation>
    </message>
</context>
</TS>
