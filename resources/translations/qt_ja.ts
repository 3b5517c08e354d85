<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AnalysisFormWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>User Analysis Info</source>
        <translation>被検者の分析情報</translation>
    </message>
    <message>
        <source>Total Error Score (TES): </source>
        <translation>総偏差点 (TES): </translation>
    </message>
    <message>
        <source>Classification: </source>
        <translation>分類: </translation>
    </message>
    <message>
        <source>Graph Style</source>
        <translation>グラフ形式</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>極座標</translation>
    </message>
    <message>
        <source>Show Confusion Axis</source>
        <translation>混同軸を表示</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>線形</translation>
    </message>
    <message>
        <source>Graph Scaling - Number of Steps</source>
        <translation>グラフの目盛り - ステップ数</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手動</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Current Value</source>
        <translation>現在値</translation>
    </message>
    <message>
        <source>Graph Mode</source>
        <translation>グラフモード</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>平滑化</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>Subject: </source>
        <translation>被検者: </translation>
    </message>
    <message>
        <source>Vingrys Analysis</source>
        <translation>Vingrys 分析</translation>
    </message>
    <message>
        <source>Angle: </source>
        <translation>角度: </translation>
    </message>
    <message>
        <source>C-Index: </source>
        <translation>C指数: </translation>
    </message>
    <message>
        <source>S-Index: </source>
        <translation>S指数: </translation>
    </message>
    <message>
        <source>Subject: Averaged Results</source>
        <translation>被検者: 平均結果</translation>
    </message>
    <message>
        <source>Total Error Score (totalScores): </source>
        <translation>総偏差点 (TES): </translation>
    </message>
    <message>
        <source>Sqrt Total Error Score (TES): </source>
        <translation>総偏差点の平方根 (√TES): </translation>
    </message>
    <message>
        <source>Percentile</source>
        <translation>パーセンタイル</translation>
    </message>
    <message>
        <source>Unselected </source>
        <translation>初回受検者 </translation>
    </message>
    <message>
        <source>In Plant: </source>
        <translation>現場経験者: </translation>
    </message>
    <message>
        <source>Experienced: </source>
        <translation>熟練者: </translation>
    </message>
    <message>
        <source>Reference: </source>
        <translation>参照番号: </translation>
    </message>
    <message>
        <source>Date of Birth: </source>
        <translation>生年月日: </translation>
    </message>
    <message>
        <source>Date of Test: </source>
        <translation>検査日: </translation>
    </message>
    <message>
        <source>Comments: </source>
        <translation>備考: </translation>
    </message>
    <message>
        <source>Test Duration: </source>
        <translation>検査時間: </translation>
    </message>
    <message>
        <source>Unselected: </source>
        <translation>初回受検者: </translation>
    </message>
    <message>
        <source> (mins)</source>
        <translation> (分)</translation>
    </message>
    <message>
        <source>Gender: </source>
        <translation>性別: </translation>
    </message>
    <message>
        <source>Geographic Location: </source>
        <translation>地域: </translation>
    </message>
    <message>
        <source>Industry Type: </source>
        <translation>業種: </translation>
    </message>
    <message>
        <source>Primary Job Function: </source>
        <translation>主な職務: </translation>
    </message>
    <message>
        <source>Years of Experience: </source>
        <translation>経験年数: </translation>
    </message>
    <message>
        <source>Illumination Type: </source>
        <translation>照明の種類: </translation>
    </message>
    <message>
        <source>Square Root Total Error Score: </source>
        <translation>総偏差点の平方根: </translation>
    </message>
    <message>
        <source>Test Serial Number: </source>
        <translation>検査キットのシリアル番号: </translation>
    </message>
    <message>
        <source>Cap Order: </source>
        <translation>キャップの並び順: </translation>
    </message>
    <message>
        <source>Veskora results not certified (No Serial Number)</source>
        <translation>Veskora の結果は認定されていません (シリアル番号なし)</translation>
    </message>
    <message>
        <source>Certified.</source>
        <translation>認定済み。</translation>
    </message>
    <message>
        <source>Veskora results not certified (The cap set is more than two years old).</source>
        <translation>Veskora の結果は認定されていません (キャップセットの購入から2年を超えています)。</translation>
    </message>
    <message>
        <source>90%</source>
        <translation>90%</translation>
    </message>
    <message>
        <source>80%</source>
        <translation>80%</translation>
    </message>
    <message>
        <source>70%</source>
        <translation>70%</translation>
    </message>
    <message>
        <source>60%</source>
        <translation>60%</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>40%</source>
        <translation>40%</translation>
    </message>
    <message>
        <source>30%</source>
        <translation>30%</translation>
    </message>
    <message>
        <source>20%</source>
        <translation>20%</translation>
    </message>
    <message>
        <source>10%</source>
        <translation>10%</translation>
    </message>
    <message>
        <source>0%</source>
        <translation>0%</translation>
    </message>
    <message>
        <source>Superior Discrimination</source>
        <translation>優れた色彩識別能力</translation>
    </message>
    <message>
        <source>Average Discrimination</source>
        <translation>平均的な色彩識別能力</translation>
    </message>
    <message>
        <source>Low Discrimination</source>
        <translation>低い色彩識別能力</translation>
    </message>
    <message>
        <source>Superior</source>
        <translation>優秀</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低い</translation>
    </message>
    <message>
        <source>Protan</source>
        <translation>1型色覚</translation>
    </message>
    <message>
        <source>Duetan</source>
        <translation>2型色覚</translation>
    </message>
    <message>
        <source>Tritan</source>
        <translation>3型色覚</translation>
    </message>
    <message>
        <source>Ambigious Deficiency</source>
        <translation>型不明の色覚異常</translation>
    </message>
</context>
<context>
    <name>CapNumbersDialog</name>
    <message>
        <source>Type Cap Numbers</source>
        <translation>キャップ番号を入力</translation>
    </message>
    <message>
        <source>Type the numbers of each tray&apos;s caps from left to right, separated by blanks or commas. Enter moves to the next tray; a whole cap order pasted into the first line fills all four.</source>
        <translation>各トレイのキャップ番号を左から右へ、空白またはコンマで区切って入力してください。Enter キーで次のトレイへ移ります。1 行目に全キャップの並び順を貼り付けると 4 行すべてに入ります。</translation>
    </message>
    <message>
        <source>Tray %1</source>
        <translation>トレイ %1</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Total Error Score (TES): %1</source>
        <translation>総誤差スコア (TES): %1</translation>
    </message>
    <message>
        <source>Total Error Score (TES): shown when all four trays are complete</source>
        <translation>総誤差スコア (TES): 4 つのトレイがすべてそろうと表示されます</translation>
    </message>
</context>
<context>
    <name>CsvFile</name>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>ファイル %1 に書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>ファイル %1 を読み込めませんでした: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) could not be read as a test and were not imported; the first is line %1.</source>
        <translation>
            <numerusform>%n 行を検査として読み取れなかったため、インポートしませんでした。最初は %1 行目です。</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>何もインポートされませんでした: %1</translation>
    </message>
    <message>
        <source>Nothing was imported: line %1 could not be stored: %2</source>
        <translation>何もインポートされませんでした: %1 行目を保存できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseFormWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>備考</translation>
    </message>
    <message>
        <source>DOB</source>
        <translation>生年月日</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>経験年数</translation>
    </message>
    <message>
        <source>First</source>
        <translation>名</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>ミドルネーム</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>姓</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>性別</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>照明</translation>
    </message>
    <message>
        <source>Industry</source>
        <translation>業種</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>職務</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>地域</translation>
    </message>
    <message>
        <source>Reference Number</source>
        <translation>参照番号</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Test Date</source>
        <translation>検査日</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>所要時間</translation>
    </message>
    <message>
        <source>Contains</source>
        <translation>を含む</translation>
    </message>
    <message>
        <source>Is Exactly</source>
        <translation>と完全一致</translation>
    </message>
    <message>
        <source>Begins With</source>
        <translation>で始まる</translation>
    </message>
    <message>
        <source>Ends With</source>
        <translation>で終わる</translation>
    </message>
    <message>
        <source>Enter...</source>
        <translation>入力...</translation>
    </message>
    <message>
        <source>Clear Search</source>
        <translation>検索をクリア</translation>
    </message>
    <message>
        <source>Select Test</source>
        <translation>検査を選択</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Job Function</source>
        <translation>職務</translation>
    </message>
    <message>
        <source>TES</source>
        <translation>TES</translation>
    </message>
    <message>
        <source>The search could not be run: %1</source>
        <translation>検索を実行できませんでした: %1</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n test(s)? This cannot be undone.</source>
        <translation>
            <numerusform>%n 件の検査を削除しますか? この操作は元に戻せません。</numerusform>
        </translation>
    </message>
    <message>
        <source>The tests could not be deleted: %1</source>
        <translation>検査を削除できませんでした: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n test(s) deleted.</source>
        <translation>
            <numerusform>%n 件の検査を削除しました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HueSwatchLineWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>HueTestFormWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source> User Information</source>
        <translation> 被検者情報</translation>
    </message>
    <message>
        <source>First</source>
        <translation>名</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>ミドルネーム</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>姓</translation>
    </message>
    <message>
        <source>Enter...</source>
        <translation>入力...</translation>
    </message>
    <message>
        <source>Reference Number</source>
        <translation>参照番号</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>性別</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>生年月日</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>経験年数</translation>
    </message>
    <message>
        <source>Job Function</source>
        <translation>職務</translation>
    </message>
    <message>
        <source>Industry</source>
        <translation>業種</translation>
    </message>
    <message>
        <source>Test Information</source>
        <translation>検査情報</translation>
    </message>
    <message>
        <source>Test Date</source>
        <translation>検査日</translation>
    </message>
    <message>
        <source>Time (mins)</source>
        <translation>所要時間 (分)</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>照明</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>地域</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>備考</translation>
    </message>
    <message>
        <source>Reset Test</source>
        <translation>検査をリセット</translation>
    </message>
    <message>
        <source>Show Scores</source>
        <translation>偏差点を表示</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>D50</source>
        <translation>D50</translation>
    </message>
    <message>
        <source>D65</source>
        <translation>D65</translation>
    </message>
    <message>
        <source>D75</source>
        <translation>D75</translation>
    </message>
    <message>
        <source>CWF</source>
        <translation>CWF</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>TL84</source>
        <translation>TL84</translation>
    </message>
    <message>
        <source>U3000</source>
        <translation>U3000</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>北米</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>南米</translation>
    </message>
    <message>
        <source>Central America</source>
        <translation>中米</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>ヨーロッパ</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>アジア</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>アフリカ</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>オーストラリア</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>学術・教育</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>食品</translation>
    </message>
    <message>
        <source>Furniture</source>
        <translation>家具</translation>
    </message>
    <message>
        <source>Gov&apos;t</source>
        <translation>官公庁</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>医療</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>包装</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>塗料</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>製紙</translation>
    </message>
    <message>
        <source>Pigment/Colorant manufacturer</source>
        <translation>顔料・着色剤メーカー</translation>
    </message>
    <message>
        <source>Plastic</source>
        <translation>プラスチック</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation>自動車</translation>
    </message>
    <message>
        <source>Sign Printer</source>
        <translation>看板印刷</translation>
    </message>
    <message>
        <source>Stains</source>
        <translation>ステイン</translation>
    </message>
    <message>
        <source>Textile - Creative</source>
        <translation>繊維 - クリエイティブ</translation>
    </message>
    <message>
        <source>Textile - Manufacturing</source>
        <translation>繊維 - 製造</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>建設</translation>
    </message>
    <message>
        <source>Consumer Products</source>
        <translation>消費財</translation>
    </message>
    <message>
        <source>Cosmetic</source>
        <translation>化粧品</translation>
    </message>
    <message>
        <source>Design - Architectural/Interior</source>
        <translation>デザイン - 建築/インテリア</translation>
    </message>
    <message>
        <source>Design - Graphic</source>
        <translation>デザイン - グラフィック</translation>
    </message>
    <message>
        <source>Design - Industrial</source>
        <translation>デザイン - インダストリアル</translation>
    </message>
    <message>
        <source>Design - Product</source>
        <translation>デザイン - プロダクト</translation>
    </message>
    <message>
        <source>Quality Control</source>
        <translation>品質管理</translation>
    </message>
    <message>
        <source>Color Formulation</source>
        <translation>調色・配合</translation>
    </message>
    <message>
        <source>Color Specification</source>
        <translation>色指定</translation>
    </message>
    <message>
        <source>Creative</source>
        <translation>クリエイティブ</translation>
    </message>
    <message>
        <source>0 - 2 years</source>
        <translation>0～2年</translation>
    </message>
    <message>
        <source>3 - 5 years</source>
        <translation>3～5年</translation>
    </message>
    <message>
        <source>6 - 10 years</source>
        <translation>6～10年</translation>
    </message>
    <message>
        <source>11 - 20 years</source>
        <translation>11～20年</translation>
    </message>
    <message>
        <source>20 + years</source>
        <translation>20年以上</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Please enter a date of birth and first and last names.</source>
        <translation>生年月日と姓名を入力してください。</translation>
    </message>
    <message>
        <source>The test could not be saved.</source>
        <translation>検査を保存できませんでした。</translation>
    </message>
    <message>
        <source>The test could not be updated.</source>
        <translation>検査を更新できませんでした。</translation>
    </message>
    <message>
        <source>The stored arrangement was incomplete: the missing caps follow in ascending order. Update to store the whole arrangement.</source>
        <translation>保存された配列は不完全でした。不足しているキャップは昇順で後に並べています。完全な配列を保存するには更新してください。</translation>
    </message>
    <message>
        <source>Type Cap Numbers…</source>
        <translation>キャップ番号を入力…</translation>
    </message>
    <message>
        <source>Move Cap</source>
        <translation>キャップの移動</translation>
    </message>
    <message>
        <source>Type Cap Numbers</source>
        <translation>キャップ番号を入力</translation>
    </message>
</context>
<context>
    <name>LegacyImport</name>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>ファイル %1 を読み込めませんでした。</translation>
    </message>
    <message>
        <source>The database could not be written: %1</source>
        <translation>データベースに書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>何もインポートされませんでした: %1</translation>
    </message>
    <message>
        <source>The file %1 holds no test record that could be read; nothing was imported.</source>
        <translation>ファイル %1 には読み取れる検査記録がありません。何もインポートされませんでした。</translation>
    </message>
</context>
<context>
    <name>LogoImage</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 は存在しません。</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 はファイルではありません。</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB.</source>
        <translation>%1 は %2 MB を超えています。</translation>
    </message>
    <message>
        <source>%1 is not an image that can be read (%2).</source>
        <translation>%1 は読み込める画像ではありません (%2)。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Veskora Scoring Software</source>
        <translation>Veskora 採点ソフトウェア</translation>
    </message>
    <message>
        <source>New Hue Test</source>
        <translation>新規色相検査</translation>
    </message>
    <message>
        <source>View/Arrange</source>
        <translation>表示/配列</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>分析</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>データベース</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>VK100 Database Version 1 (HDB)</source>
        <translation>VK100 データベース バージョン 1 (HDB)</translation>
    </message>
    <message>
        <source>VK100 Database Version 2 (VKT)</source>
        <translation>VK100 データベース バージョン 2 (VKT)</translation>
    </message>
    <message>
        <source>Comma Separated Values (CSV)</source>
        <translation>カンマ区切り値 (CSV)</translation>
    </message>
    <message>
        <source>Selected Records as PDF</source>
        <translation>選択した記録 (PDF)</translation>
    </message>
    <message>
        <source>Selected Records as CSV</source>
        <translation>選択した記録 (CSV)</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>ページ設定</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>消去</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Copy Name and Analysis</source>
        <translation>氏名と分析結果をコピー</translation>
    </message>
    <message>
        <source>Copy Graph</source>
        <translation>グラフをコピー</translation>
    </message>
    <message>
        <source>Data Entry Screen</source>
        <translation>データ入力画面</translation>
    </message>
    <message>
        <source>Polar Graph</source>
        <translation>極座標グラフ</translation>
    </message>
    <message>
        <source>Linear Graph</source>
        <translation>線形グラフ</translation>
    </message>
    <message>
        <source>About Application</source>
        <translation>このアプリケーションについて</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Qt について</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目次</translation>
    </message>
    <message>
        <source>New Database</source>
        <translation>新規データベース</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>データベースを開く</translation>
    </message>
    <message>
        <source>Save Database As</source>
        <translation>データベースに名前を付けて保存</translation>
    </message>
    <message>
        <source>Veskora Test Scoring Software</source>
        <translation>Veskora 検査採点ソフトウェア</translation>
    </message>
    <message>
        <source>Veskora Results</source>
        <translation>Veskora 検査結果</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Test developed by:
Veskora Colour Science Laboratory
Department of Visual Psychophysics
Software: Veskora Scoring Team</source>
        <translation>検査開発:
Veskora Colour Science Laboratory
Department of Visual Psychophysics
ソフトウェア: Veskora Scoring Team</translation>
    </message>
    <message>
        <source>Unspecified</source>
        <translation>未指定</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>女性</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>男性</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>北米</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>南米</translation>
    </message>
    <message>
        <source>Central America</source>
        <translation>中米</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>ヨーロッパ</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>アジア</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>アフリカ</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>オーストラリア</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>学術・教育</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>食品</translation>
    </message>
    <message>
        <source>Furniture</source>
        <translation>家具</translation>
    </message>
    <message>
        <source>Gov&apos;t</source>
        <translation>官公庁</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>医療</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>包装</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>塗料</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>製紙</translation>
    </message>
    <message>
        <source>Pigment/Colorant Manufacturer</source>
        <translation>顔料・着色剤メーカー</translation>
    </message>
    <message>
        <source>Plastic</source>
        <translation>プラスチック</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation>自動車</translation>
    </message>
    <message>
        <source>Sign Printer</source>
        <translation>看板印刷</translation>
    </message>
    <message>
        <source>Stains</source>
        <translation>ステイン</translation>
    </message>
    <message>
        <source>Textile - Creative</source>
        <translation>繊維 - クリエイティブ</translation>
    </message>
    <message>
        <source>Textile - Manufacturing</source>
        <translation>繊維 - 製造</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>建設</translation>
    </message>
    <message>
        <source>Consumer Products</source>
        <translation>消費財</translation>
    </message>
    <message>
        <source>Cosmetic</source>
        <translation>化粧品</translation>
    </message>
    <message>
        <source>Design - Architectural/Interior</source>
        <translation>デザイン - 建築/インテリア</translation>
    </message>
    <message>
        <source>Design - Graphic</source>
        <translation>デザイン - グラフィック</translation>
    </message>
    <message>
        <source>Design - Industrial</source>
        <translation>デザイン - インダストリアル</translation>
    </message>
    <message>
        <source>Design - Product</source>
        <translation>デザイン - プロダクト</translation>
    </message>
    <message>
        <source>Quality Control</source>
        <translation>品質管理</translation>
    </message>
    <message>
        <source>Color Formulation</source>
        <translation>調色・配合</translation>
    </message>
    <message>
        <source>Color Specification</source>
        <translation>色指定</translation>
    </message>
    <message>
        <source>Creative</source>
        <translation>クリエイティブ</translation>
    </message>
    <message>
        <source>D65</source>
        <translation>D65</translation>
    </message>
    <message>
        <source>D50</source>
        <translation>D50</translation>
    </message>
    <message>
        <source>D75</source>
        <translation>D75</translation>
    </message>
    <message>
        <source>CWF</source>
        <translation>CWF</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>TL84</source>
        <translation>TL84</translation>
    </message>
    <message>
        <source>U3000</source>
        <translation>U3000</translation>
    </message>
    <message>
        <source>0 - 2 years</source>
        <translation>0～2年</translation>
    </message>
    <message>
        <source>3 - 5 years</source>
        <translation>3～5年</translation>
    </message>
    <message>
        <source>6 - 10 years</source>
        <translation>6～10年</translation>
    </message>
    <message>
        <source>11 - 20 years</source>
        <translation>11～20年</translation>
    </message>
    <message>
        <source>20 + years</source>
        <translation>20年以上</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>未保存の変更</translation>
    </message>
    <message>
        <source>There are unsaved changes.</source>
        <translation>保存されていない変更があります。</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>変更を保存しますか？</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>印刷を開始できませんでした。</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>ファイルを保存</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF をエクスポート</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>ファイル %1 に書き込めませんでした。</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV をエクスポート</translation>
    </message>
    <message>
        <source>Text files (*.txt *.csv)</source>
        <translation>テキストファイル (*.txt *.csv)</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV をインポート</translation>
    </message>
    <message>
        <source>Import HDB</source>
        <translation>HDB をインポート</translation>
    </message>
    <message>
        <source>Import VKT</source>
        <translation>VKT をインポート</translation>
    </message>
    <message>
        <source>Developed by the Veskora Scoring Team
for examiners of colour discrimination.
Version %1</source>
        <translation>開発: Veskora Scoring Team
色彩識別能力の検査者のために
バージョン %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>The test of %1 %2 was updated.</source>
        <translation>%1 %2 さんの検査を更新しました。</translation>
    </message>
    <message>
        <source>The test of %1 %2 was saved.</source>
        <translation>%1 %2 さんの検査を保存しました。</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>レポートを %1 に書き出しました。</translation>
    </message>
    <message>
        <source>The selected tests were written to %1.</source>
        <translation>選択した検査を %1 に書き出しました。</translation>
    </message>
    <message numerus="yes">
        <source>%n test(s) imported</source>
        <translation>
            <numerusform>%n 件の検査をインポートしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cap set(s) added</source>
        <translation>
            <numerusform>%n 組のキャップセットを追加しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) refused</source>
        <translation>
            <numerusform>%n 行を拒否しました</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>印刷プレビュー</translation>
    </message>
    <message>
        <source>Writing the reports...</source>
        <translation>レポートを書き出しています...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The export was cancelled; nothing was written.</source>
        <translation>エクスポートはキャンセルされました。何も書き出されていません。</translation>
    </message>
    <message numerus="yes">
        <source>%n report(s) were written to %1.</source>
        <translation>
            <numerusform>%n 件のレポートを %1 に書き出しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>The PDF writer could not be started.</source>
        <translation>PDF の書き出しを開始できませんでした。</translation>
    </message>
    <message>
        <source>Footer Logo</source>
        <translation>フッターのロゴ</translation>
    </message>
    <message>
        <source>The report was made without its footer logo: %1</source>
        <translation>レポートはフッターのロゴなしで作成されました: %1</translation>
    </message>
    <message>
        <source>Nothing was imported</source>
        <translation>何もインポートされませんでした</translation>
    </message>
    <message>
        <source>The file %1 holds no test; nothing was imported.</source>
        <translation>ファイル %1 にはテストがありません。何もインポートされませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>%n place(s) of the file held no readable record</source>
        <translation>
            <numerusform>ファイルの %n 箇所に読み込める記録がありませんでした</numerusform>
        </translation>
    </message>
    <message>
        <source>Database File</source>
        <translation>データベースファイル</translation>
    </message>
    <message>
        <source>The database file %1 could not be opened: no test can be read or stored, and the settings shown are not those of the file.</source>
        <translation>データベースファイル %1 を開けませんでした。テストの読み込みも保存もできず、表示されている設定はこのファイルのものではありません。</translation>
    </message>
    <message>
        <source>Retry when the other program has finished with the file, or open another database file.</source>
        <translation>他のプログラムがファイルの使用を終えてから再試行するか、別のデータベースファイルを開いてください。</translation>
    </message>
    <message>
        <source>Another program replaced or removed the database file %1 while it was open here, so nothing more can be stored in it.</source>
        <translation>データベースファイル %1 は、ここで開いている間に別のプログラムによって置き換えられたか削除されたため、これ以上保存できません。</translation>
    </message>
    <message>
        <source>Open the file as it is now?</source>
        <translation>現在の状態のファイルを開きますか？</translation>
    </message>
    <message>
        <source>The manual is missing: %1 was not found. Installing the program again puts it back.</source>
        <translation>マニュアルがありません: %1 が見つかりませんでした。プログラムを再インストールすると元に戻ります。</translation>
    </message>
    <message>
        <source>The manual %1 could not be shown: no program to open it was found.</source>
        <translation>マニュアル %1 を表示できませんでした: 開くためのプログラムが見つかりません。</translation>
    </message>
</context>
<context>
    <name>ScoreWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>TrayCheck</name>
    <message>
        <source>missing %1</source>
        <translation>不足: %1</translation>
    </message>
    <message>
        <source>%1 belongs to tray %2</source>
        <translation>%1 はトレイ %2 のキャップ</translation>
    </message>
    <message>
        <source>%1 belong to tray %2</source>
        <translation>%1 はトレイ %2 のキャップ</translation>
    </message>
    <message>
        <source>%1 typed twice</source>
        <translation>%1 を2回入力</translation>
    </message>
    <message>
        <source>%1 typed more than twice</source>
        <translation>%1 を3回以上入力</translation>
    </message>
    <message>
        <source>%1 is not a cap number</source>
        <translation>%1 はキャップ番号ではありません</translation>
    </message>
    <message>
        <source>%1 are not cap numbers</source>
        <translation>%1 はキャップ番号ではありません</translation>
    </message>
</context>
<context>
    <name>analysisDisplay</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Discrimination:</source>
        <translation>色彩識別能力:</translation>
    </message>
</context>
<context>
    <name>chartGraphicsView</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Error Scores</source>
        <translation>偏差点</translation>
    </message>
</context>
<context>
    <name>database</name>
    <message>
        <source>The database file could not be opened</source>
        <translation>データベースファイルを開けませんでした</translation>
    </message>
    <message>
        <source>The database tables could not be created</source>
        <translation>データベースのテーブルを作成できませんでした</translation>
    </message>
    <message>
        <source>The settings could not be stored</source>
        <translation>設定を保存できませんでした</translation>
    </message>
    <message>
        <source>The settings could not be read</source>
        <translation>設定を読み込めませんでした</translation>
    </message>
    <message>
        <source>The subject could not be stored</source>
        <translation>被検者を保存できませんでした</translation>
    </message>
    <message>
        <source>The test could not be stored</source>
        <translation>検査を保存できませんでした</translation>
    </message>
    <message>
        <source>The subject could not be updated</source>
        <translation>被検者を更新できませんでした</translation>
    </message>
    <message>
        <source>no stored subject matched</source>
        <translation>該当する被検者が見つかりません</translation>
    </message>
    <message>
        <source>The test could not be updated</source>
        <translation>検査を更新できませんでした</translation>
    </message>
    <message>
        <source>no stored test matched</source>
        <translation>該当する検査が見つかりません</translation>
    </message>
    <message>
        <source>The test could not be deleted</source>
        <translation>検査を削除できませんでした</translation>
    </message>
    <message>
        <source>The subject could not be deleted</source>
        <translation>被検者を削除できませんでした</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 は存在しません</translation>
    </message>
    <message>
        <source>The database could not be saved</source>
        <translation>データベースを保存できませんでした</translation>
    </message>
    <message>
        <source>it cannot be copied onto itself</source>
        <translation>同じファイルにはコピーできません</translation>
    </message>
    <message>
        <source>The database could not be read</source>
        <translation>データベースを読み込めませんでした</translation>
    </message>
    <message>
        <source>The cap set could not be stored</source>
        <translation>キャップセットを保存できませんでした</translation>
    </message>
    <message>
        <source>The cap set could not be updated</source>
        <translation>キャップセットを更新できませんでした</translation>
    </message>
    <message>
        <source>The cap set could not be removed</source>
        <translation>キャップセットを削除できませんでした</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 はフォルダーです</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>%1 に書き込めませんでした</translation>
    </message>
    <message>
        <source>%1 could not be replaced</source>
        <translation>%1 を置き換えられませんでした</translation>
    </message>
    <message>
        <source>another program replaced or removed %1 since it was opened</source>
        <translation>%1 は開いた後に別のプログラムによって置き換えられたか削除されました</translation>
    </message>
    <message>
        <source>The database file could not be opened: %1</source>
        <translation>データベースファイルを開けませんでした: %1</translation>
    </message>
    <message>
        <source>%1 is not a readable database (%2)</source>
        <translation>%1 は読み込めるデータベースではありません (%2)</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2)</source>
        <translation>%1 は別のプログラムが使用中です (%2)</translation>
    </message>
    <message>
        <source>%1 is damaged (%2)</source>
        <translation>%1 は破損しています (%2)</translation>
    </message>
    <message>
        <source>%1 is not a database of this program: its table %2 has other columns</source>
        <translation>%1 はこのプログラムのデータベースではありません: テーブル %2 の列が異なります</translation>
    </message>
    <message>
        <source>they could not be read from this file, and what is shown in their place must not replace them</source>
        <translation>このファイルから読み込めなかったため、代わりに表示されている内容で置き換えることはできません</translation>
    </message>
</context>
<context>
    <name>labelImageDisplay</name>
    <message>
        <source>Select Logo Image</source>
        <translation>ロゴ画像を選択</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>ファイルを開く</translation>
    </message>
</context>
<context>
    <name>preferences</name>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Scoring Mode</source>
        <translation>採点方式</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Kinnear</source>
        <translation>Kinnear</translation>
    </message>
    <message>
        <source>Analysis Options</source>
        <translation>分析オプション</translation>
    </message>
    <message>
        <source>In App</source>
        <translation>画面表示</translation>
    </message>
    <message>
        <source>On Report</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Test Duration</source>
        <translation>検査時間</translation>
    </message>
    <message>
        <source>Total Error Score (TES)</source>
        <translation>総偏差点 (TES)</translation>
    </message>
    <message>
        <source>Sqrt Total Error Score (TES)</source>
        <translation>総偏差点の平方根 (√TES)</translation>
    </message>
    <message>
        <source>Vingrys Analysis</source>
        <translation>Vingrys 分析</translation>
    </message>
    <message>
        <source>Classification</source>
        <translation>分類</translation>
    </message>
    <message>
        <source>Percentage (First Time)</source>
        <translation>パーセンタイル (初回受検者)</translation>
    </message>
    <message>
        <source>Percentage (Some Experience)</source>
        <translation>パーセンタイル (現場経験者)</translation>
    </message>
    <message>
        <source>Percentage (Experienced)</source>
        <translation>パーセンタイル (熟練者)</translation>
    </message>
    <message>
        <source>User Interface Options</source>
        <translation>ユーザーインターフェース</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Customized Report Footer</source>
        <translation>レポートのフッター</translation>
    </message>
    <message>
        <source>New Record Defaults</source>
        <translation>新規記録の既定値</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>照明</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>地域</translation>
    </message>
    <message>
        <source>Industry</source>
        <translation>業種</translation>
    </message>
    <message>
        <source>Job Function</source>
        <translation>職務</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>経験年数</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Cap Sets</source>
        <translation>キャップセット</translation>
    </message>
    <message>
        <source>Reset Defaults</source>
        <translation>既定値に戻す</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Purchase Date</source>
        <translation>購入日</translation>
    </message>
    <message>
        <source>Add a cap set</source>
        <translation>キャップセットを追加</translation>
    </message>
    <message>
        <source>Edit the selected cap set</source>
        <translation>選択したキャップセットを編集</translation>
    </message>
    <message>
        <source>Remove the selected cap set</source>
        <translation>選択したキャップセットを削除</translation>
    </message>
    <message>
        <source>D50</source>
        <translation>D50</translation>
    </message>
    <message>
        <source>D65</source>
        <translation>D65</translation>
    </message>
    <message>
        <source>D75</source>
        <translation>D75</translation>
    </message>
    <message>
        <source>CWF</source>
        <translation>CWF</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>TL84</source>
        <translation>TL84</translation>
    </message>
    <message>
        <source>U3000</source>
        <translation>U3000</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>北米</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>南米</translation>
    </message>
    <message>
        <source>Central America</source>
        <translation>中米</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>ヨーロッパ</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>アジア</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>アフリカ</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>オーストラリア</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>学術・教育</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>食品</translation>
    </message>
    <message>
        <source>Furniture</source>
        <translation>家具</translation>
    </message>
    <message>
        <source>Gov&apos;t</source>
        <translation>官公庁</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>医療</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>包装</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>塗料</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>製紙</translation>
    </message>
    <message>
        <source>Pigment/Colorant manufacturer</source>
        <translation>顔料・着色剤メーカー</translation>
    </message>
    <message>
        <source>Plastic</source>
        <translation>プラスチック</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation>自動車</translation>
    </message>
    <message>
        <source>Sign Printer</source>
        <translation>看板印刷</translation>
    </message>
    <message>
        <source>Stains</source>
        <translation>ステイン</translation>
    </message>
    <message>
        <source>Textile - Creative</source>
        <translation>繊維 - クリエイティブ</translation>
    </message>
    <message>
        <source>Textile - Manufacturing</source>
        <translation>繊維 - 製造</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>建設</translation>
    </message>
    <message>
        <source>Consumer Products</source>
        <translation>消費財</translation>
    </message>
    <message>
        <source>Cosmetic</source>
        <translation>化粧品</translation>
    </message>
    <message>
        <source>Design - Architectural/Interior</source>
        <translation>デザイン - 建築/インテリア</translation>
    </message>
    <message>
        <source>Design - Graphic</source>
        <translation>デザイン - グラフィック</translation>
    </message>
    <message>
        <source>Design - Industrial</source>
        <translation>デザイン - インダストリアル</translation>
    </message>
    <message>
        <source>Design - Product</source>
        <translation>デザイン - プロダクト</translation>
    </message>
    <message>
        <source>Quality Control</source>
        <translation>品質管理</translation>
    </message>
    <message>
        <source>Color Formulation</source>
        <translation>調色・配合</translation>
    </message>
    <message>
        <source>Color Specification</source>
        <translation>色指定</translation>
    </message>
    <message>
        <source>Creative</source>
        <translation>クリエイティブ</translation>
    </message>
    <message>
        <source>0 - 2 years</source>
        <translation>0～2年</translation>
    </message>
    <message>
        <source>3 - 5 years</source>
        <translation>3～5年</translation>
    </message>
    <message>
        <source>6 - 10 years</source>
        <translation>6～10年</translation>
    </message>
    <message>
        <source>11 - 20 years</source>
        <translation>11～20年</translation>
    </message>
    <message>
        <source>20 + years</source>
        <translation>20年以上</translation>
    </message>
</context>
<context>
    <name>serialNumDialog</name>
    <message>
        <source>Add New Cap Set</source>
        <translation>新しいキャップセットを追加</translation>
    </message>
    <message>
        <source>Enter cap-set serial number and purchase date. Test results more than two years past purchase date are not certified and damaged, soiled or faded cap sets should be replaced.</source>
        <translation>キャップセットのシリアル番号と購入日を入力してください。購入日から2年を超えた検査結果は認定されません。また、損傷・汚損・退色したキャップセットは交換してください。</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Purchase Date</source>
        <translation>購入日</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>MM/DD/YYYY</translation>
    </message>
</context>
</TS>
