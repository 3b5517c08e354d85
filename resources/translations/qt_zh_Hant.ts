<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AnalysisFormWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>User Analysis Info</source>
        <translation>受測者分析資訊</translation>
    </message>
    <message>
        <source>Total Error Score (TES): </source>
        <translation>總錯誤分數 (TES): </translation>
    </message>
    <message>
        <source>Classification: </source>
        <translation>分級: </translation>
    </message>
    <message>
        <source>Graph Style</source>
        <translation>圖表樣式</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>極座標</translation>
    </message>
    <message>
        <source>Show Confusion Axis</source>
        <translation>顯示混淆軸</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>線性</translation>
    </message>
    <message>
        <source>Graph Scaling - Number of Steps</source>
        <translation>圖表刻度 - 刻度數</translation>
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
        <translation>目前值</translation>
    </message>
    <message>
        <source>Graph Mode</source>
        <translation>圖表模式</translation>
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
        <translation>受測者: </translation>
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
        <translation>C 指數: </translation>
    </message>
    <message>
        <source>S-Index: </source>
        <translation>S 指數: </translation>
    </message>
    <message>
        <source>Subject: Averaged Results</source>
        <translation>受測者: 平均結果</translation>
    </message>
    <message>
        <source>Total Error Score (totalScores): </source>
        <translation>總錯誤分數 (TES): </translation>
    </message>
    <message>
        <source>Sqrt Total Error Score (TES): </source>
        <translation>總錯誤分數平方根 (√TES): </translation>
    </message>
    <message>
        <source>Percentile</source>
        <translation>百分位數</translation>
    </message>
    <message>
        <source>Unselected </source>
        <translation>初次受測 </translation>
    </message>
    <message>
        <source>In Plant: </source>
        <translation>具部分經驗: </translation>
    </message>
    <message>
        <source>Experienced: </source>
        <translation>經驗豐富: </translation>
    </message>
    <message>
        <source>Reference: </source>
        <translation>參考編號: </translation>
    </message>
    <message>
        <source>Date of Birth: </source>
        <translation>出生日期: </translation>
    </message>
    <message>
        <source>Date of Test: </source>
        <translation>測驗日期: </translation>
    </message>
    <message>
        <source>Comments: </source>
        <translation>備註: </translation>
    </message>
    <message>
        <source>Test Duration: </source>
        <translation>測驗時間: </translation>
    </message>
    <message>
        <source>Unselected: </source>
        <translation>初次受測: </translation>
    </message>
    <message>
        <source> (mins)</source>
        <translation> (分鐘)</translation>
    </message>
    <message>
        <source>Gender: </source>
        <translation>性別: </translation>
    </message>
    <message>
        <source>Geographic Location: </source>
        <translation>地理區域: </translation>
    </message>
    <message>
        <source>Industry Type: </source>
        <translation>產業類別: </translation>
    </message>
    <message>
        <source>Primary Job Function: </source>
        <translation>主要職務: </translation>
    </message>
    <message>
        <source>Years of Experience: </source>
        <translation>從業年資: </translation>
    </message>
    <message>
        <source>Illumination Type: </source>
        <translation>光源類型: </translation>
    </message>
    <message>
        <source>Square Root Total Error Score: </source>
        <translation>總錯誤分數平方根: </translation>
    </message>
    <message>
        <source>Test Serial Number: </source>
        <translation>測驗組序號: </translation>
    </message>
    <message>
        <source>Cap Order: </source>
        <translation>色相子順序: </translation>
    </message>
    <message>
        <source>Veskora results not certified (No Serial Number)</source>
        <translation>Veskora 結果未經認證（無序號）</translation>
    </message>
    <message>
        <source>Certified.</source>
        <translation>已認證。</translation>
    </message>
    <message>
        <source>Veskora results not certified (The cap set is more than two years old).</source>
        <translation>Veskora 結果未經認證（色相子組購買已逾兩年）。</translation>
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
        <translation>辨色能力優異</translation>
    </message>
    <message>
        <source>Average Discrimination</source>
        <translation>辨色能力中等</translation>
    </message>
    <message>
        <source>Low Discrimination</source>
        <translation>辨色能力偏低</translation>
    </message>
    <message>
        <source>Superior</source>
        <translation>優異</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>偏低</translation>
    </message>
    <message>
        <source>Protan</source>
        <translation>紅色覺異常（第一型）</translation>
    </message>
    <message>
        <source>Duetan</source>
        <translation>綠色覺異常（第二型）</translation>
    </message>
    <message>
        <source>Tritan</source>
        <translation>藍黃色覺異常（第三型）</translation>
    </message>
    <message>
        <source>Ambigious Deficiency</source>
        <translation>類型不明確的色覺異常</translation>
    </message>
</context>
<context>
    <name>CapNumbersDialog</name>
    <message>
        <source>Type Cap Numbers</source>
        <translation>輸入色相子編號</translation>
    </message>
    <message>
        <source>Type the numbers of each tray&apos;s caps from left to right, separated by blanks or commas. Enter moves to the next tray; a whole cap order pasted into the first line fills all four.</source>
        <translation>按從左到右的順序輸入每個托盤中色相子的編號，以空格或逗號分隔。按 Enter 移至下一個托盤；在第一行貼上完整的色相子順序會填滿全部四行。</translation>
    </message>
    <message>
        <source>Tray %1</source>
        <translation>托盤 %1</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Total Error Score (TES): %1</source>
        <translation>總誤差分數 (TES): %1</translation>
    </message>
    <message>
        <source>Total Error Score (TES): shown when all four trays are complete</source>
        <translation>總誤差分數 (TES): 四個托盤全部完整後顯示</translation>
    </message>
</context>
<context>
    <name>CsvFile</name>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>無法寫入檔案 %1: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>無法讀取檔案 %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) could not be read as a test and were not imported; the first is line %1.</source>
        <translation>
            <numerusform>%n 行無法讀取為測試，未匯入；第一行是第 %1 行。</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>未匯入任何內容: %1</translation>
    </message>
    <message>
        <source>Nothing was imported: line %1 could not be stored: %2</source>
        <translation>未匯入任何內容：第 %1 行無法儲存：%2</translation>
    </message>
</context>
<context>
    <name>DatabaseFormWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>DOB</source>
        <translation>出生日期</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>從業年資</translation>
    </message>
    <message>
        <source>First</source>
        <translation>名</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中間名</translation>
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
        <translation>光源</translation>
    </message>
    <message>
        <source>Industry</source>
        <translation>產業</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>職務</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>地區</translation>
    </message>
    <message>
        <source>Reference Number</source>
        <translation>參考編號</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>Test Date</source>
        <translation>測驗日期</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>用時</translation>
    </message>
    <message>
        <source>Contains</source>
        <translation>包含</translation>
    </message>
    <message>
        <source>Is Exactly</source>
        <translation>完全相符</translation>
    </message>
    <message>
        <source>Begins With</source>
        <translation>開頭為</translation>
    </message>
    <message>
        <source>Ends With</source>
        <translation>結尾為</translation>
    </message>
    <message>
        <source>Enter...</source>
        <translation>請輸入...</translation>
    </message>
    <message>
        <source>Clear Search</source>
        <translation>清除搜尋</translation>
    </message>
    <message>
        <source>Select Test</source>
        <translation>選取測驗</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
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
        <translation>無法執行搜尋：%1</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n test(s)? This cannot be undone.</source>
        <translation>
            <numerusform>刪除 %n 項測試？此操作無法復原。</numerusform>
        </translation>
    </message>
    <message>
        <source>The tests could not be deleted: %1</source>
        <translation>無法刪除測試：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n test(s) deleted.</source>
        <translation>
            <numerusform>已刪除 %n 項測試。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HueSwatchLineWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
</context>
<context>
    <name>HueTestFormWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source> User Information</source>
        <translation> 受測者資訊</translation>
    </message>
    <message>
        <source>First</source>
        <translation>名</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中間名</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>姓</translation>
    </message>
    <message>
        <source>Enter...</source>
        <translation>請輸入...</translation>
    </message>
    <message>
        <source>Reference Number</source>
        <translation>參考編號</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>性別</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>出生日期</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>從業年資</translation>
    </message>
    <message>
        <source>Job Function</source>
        <translation>職務</translation>
    </message>
    <message>
        <source>Industry</source>
        <translation>產業</translation>
    </message>
    <message>
        <source>Test Information</source>
        <translation>測驗資訊</translation>
    </message>
    <message>
        <source>Test Date</source>
        <translation>測驗日期</translation>
    </message>
    <message>
        <source>Time (mins)</source>
        <translation>用時 (分鐘)</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>光源</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>地區</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>Reset Test</source>
        <translation>重設測驗</translation>
    </message>
    <message>
        <source>Show Scores</source>
        <translation>顯示錯誤分數</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
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
        <translation>其他</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>北美洲</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>南美洲</translation>
    </message>
    <message>
        <source>Central America</source>
        <translation>中美洲</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>歐洲</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>亞洲</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>非洲</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>澳洲</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>學術</translation>
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
        <translation>政府機關</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>醫療</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>包裝</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>塗料</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>造紙</translation>
    </message>
    <message>
        <source>Pigment/Colorant manufacturer</source>
        <translation>顏料/著色劑製造</translation>
    </message>
    <message>
        <source>Plastic</source>
        <translation>塑膠</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation>汽車</translation>
    </message>
    <message>
        <source>Sign Printer</source>
        <translation>招牌印刷</translation>
    </message>
    <message>
        <source>Stains</source>
        <translation>染色劑</translation>
    </message>
    <message>
        <source>Textile - Creative</source>
        <translation>紡織 - 創意</translation>
    </message>
    <message>
        <source>Textile - Manufacturing</source>
        <translation>紡織 - 製造</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>營建</translation>
    </message>
    <message>
        <source>Consumer Products</source>
        <translation>消費品</translation>
    </message>
    <message>
        <source>Cosmetic</source>
        <translation>化妝品</translation>
    </message>
    <message>
        <source>Design - Architectural/Interior</source>
        <translation>設計 - 建築/室內</translation>
    </message>
    <message>
        <source>Design - Graphic</source>
        <translation>設計 - 平面</translation>
    </message>
    <message>
        <source>Design - Industrial</source>
        <translation>設計 - 工業</translation>
    </message>
    <message>
        <source>Design - Product</source>
        <translation>設計 - 產品</translation>
    </message>
    <message>
        <source>Quality Control</source>
        <translation>品質管制</translation>
    </message>
    <message>
        <source>Color Formulation</source>
        <translation>配色</translation>
    </message>
    <message>
        <source>Color Specification</source>
        <translation>色彩規格</translation>
    </message>
    <message>
        <source>Creative</source>
        <translation>創意</translation>
    </message>
    <message>
        <source>0 - 2 years</source>
        <translation>0 - 2 年</translation>
    </message>
    <message>
        <source>3 - 5 years</source>
        <translation>3 - 5 年</translation>
    </message>
    <message>
        <source>6 - 10 years</source>
        <translation>6 - 10 年</translation>
    </message>
    <message>
        <source>11 - 20 years</source>
        <translation>11 - 20 年</translation>
    </message>
    <message>
        <source>20 + years</source>
        <translation>20 年以上</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Please enter a date of birth and first and last names.</source>
        <translation>請輸入出生日期及姓名。</translation>
    </message>
    <message>
        <source>The test could not be saved.</source>
        <translation>無法儲存測驗。</translation>
    </message>
    <message>
        <source>The test could not be updated.</source>
        <translation>無法更新測驗。</translation>
    </message>
    <message>
        <source>The stored arrangement was incomplete: the missing caps follow in ascending order. Update to store the whole arrangement.</source>
        <translation>儲存的排列不完整：缺少的色相子按升序排在後面。請更新以儲存完整的排列。</translation>
    </message>
    <message>
        <source>Type Cap Numbers…</source>
        <translation>輸入色相子編號…</translation>
    </message>
    <message>
        <source>Move Cap</source>
        <translation>移動色相子</translation>
    </message>
    <message>
        <source>Type Cap Numbers</source>
        <translation>輸入色相子編號</translation>
    </message>
</context>
<context>
    <name>LegacyImport</name>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>無法讀取檔案 %1。</translation>
    </message>
    <message>
        <source>The database could not be written: %1</source>
        <translation>無法寫入資料庫: %1</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>未匯入任何內容: %1</translation>
    </message>
    <message>
        <source>The file %1 holds no test record that could be read; nothing was imported.</source>
        <translation>檔案 %1 中沒有可讀取的測驗記錄；未匯入任何內容。</translation>
    </message>
</context>
<context>
    <name>LogoImage</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 不存在。</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 不是檔案。</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB.</source>
        <translation>%1 大於 %2 MB。</translation>
    </message>
    <message>
        <source>%1 is not an image that can be read (%2).</source>
        <translation>%1 不是可讀取的影像（%2）。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Veskora Scoring Software</source>
        <translation>Veskora 計分軟體</translation>
    </message>
    <message>
        <source>New Hue Test</source>
        <translation>新增色相測驗</translation>
    </message>
    <message>
        <source>View/Arrange</source>
        <translation>檢視/排列</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>分析</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>資料庫</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>View</source>
        <translation>檢視</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>偏好設定</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存新檔</translation>
    </message>
    <message>
        <source>VK100 Database Version 1 (HDB)</source>
        <translation>VK100 資料庫第 1 版 (HDB)</translation>
    </message>
    <message>
        <source>VK100 Database Version 2 (VKT)</source>
        <translation>VK100 資料庫第 2 版 (VKT)</translation>
    </message>
    <message>
        <source>Comma Separated Values (CSV)</source>
        <translation>逗號分隔值 (CSV)</translation>
    </message>
    <message>
        <source>Selected Records as PDF</source>
        <translation>所選記錄 (PDF)</translation>
    </message>
    <message>
        <source>Selected Records as CSV</source>
        <translation>所選記錄 (CSV)</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>版面設定</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>Copy Name and Analysis</source>
        <translation>複製姓名與分析結果</translation>
    </message>
    <message>
        <source>Copy Graph</source>
        <translation>複製圖表</translation>
    </message>
    <message>
        <source>Data Entry Screen</source>
        <translation>資料輸入畫面</translation>
    </message>
    <message>
        <source>Polar Graph</source>
        <translation>極座標圖</translation>
    </message>
    <message>
        <source>Linear Graph</source>
        <translation>線性圖</translation>
    </message>
    <message>
        <source>About Application</source>
        <translation>關於本程式</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>關於 Qt</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目錄</translation>
    </message>
    <message>
        <source>New Database</source>
        <translation>新增資料庫</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>開啟資料庫</translation>
    </message>
    <message>
        <source>Save Database As</source>
        <translation>資料庫另存新檔</translation>
    </message>
    <message>
        <source>Veskora Test Scoring Software</source>
        <translation>Veskora 測驗計分軟體</translation>
    </message>
    <message>
        <source>Veskora Results</source>
        <translation>Veskora 結果</translation>
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
        <translation>測驗開發:
Veskora Colour Science Laboratory
Department of Visual Psychophysics
軟體: Veskora Scoring Team</translation>
    </message>
    <message>
        <source>Unspecified</source>
        <translation>未指定</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>女</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>男</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>北美洲</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>南美洲</translation>
    </message>
    <message>
        <source>Central America</source>
        <translation>中美洲</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>歐洲</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>亞洲</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>非洲</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>澳洲</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>學術</translation>
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
        <translation>政府機關</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>醫療</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>包裝</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>塗料</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>造紙</translation>
    </message>
    <message>
        <source>Pigment/Colorant Manufacturer</source>
        <translation>顏料/著色劑製造</translation>
    </message>
    <message>
        <source>Plastic</source>
        <translation>塑膠</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation>汽車</translation>
    </message>
    <message>
        <source>Sign Printer</source>
        <translation>招牌印刷</translation>
    </message>
    <message>
        <source>Stains</source>
        <translation>染色劑</translation>
    </message>
    <message>
        <source>Textile - Creative</source>
        <translation>紡織 - 創意</translation>
    </message>
    <message>
        <source>Textile - Manufacturing</source>
        <translation>紡織 - 製造</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>營建</translation>
    </message>
    <message>
        <source>Consumer Products</source>
        <translation>消費品</translation>
    </message>
    <message>
        <source>Cosmetic</source>
        <translation>化妝品</translation>
    </message>
    <message>
        <source>Design - Architectural/Interior</source>
        <translation>設計 - 建築/室內</translation>
    </message>
    <message>
        <source>Design - Graphic</source>
        <translation>設計 - 平面</translation>
    </message>
    <message>
        <source>Design - Industrial</source>
        <translation>設計 - 工業</translation>
    </message>
    <message>
        <source>Design - Product</source>
        <translation>設計 - 產品</translation>
    </message>
    <message>
        <source>Quality Control</source>
        <translation>品質管制</translation>
    </message>
    <message>
        <source>Color Formulation</source>
        <translation>配色</translation>
    </message>
    <message>
        <source>Color Specification</source>
        <translation>色彩規格</translation>
    </message>
    <message>
        <source>Creative</source>
        <translation>創意</translation>
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
        <translation>0 - 2 年</translation>
    </message>
    <message>
        <source>3 - 5 years</source>
        <translation>3 - 5 年</translation>
    </message>
    <message>
        <source>6 - 10 years</source>
        <translation>6 - 10 年</translation>
    </message>
    <message>
        <source>11 - 20 years</source>
        <translation>11 - 20 年</translation>
    </message>
    <message>
        <source>20 + years</source>
        <translation>20 年以上</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>未儲存的變更</translation>
    </message>
    <message>
        <source>There are unsaved changes.</source>
        <translation>有尚未儲存的變更。</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>是否要儲存變更？</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>無法開始列印。</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>儲存檔案</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>匯出 PDF</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>無法寫入檔案 %1。</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>匯出 CSV</translation>
    </message>
    <message>
        <source>Text files (*.txt *.csv)</source>
        <translation>文字檔 (*.txt *.csv)</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>匯入 CSV</translation>
    </message>
    <message>
        <source>Import HDB</source>
        <translation>匯入 HDB</translation>
    </message>
    <message>
        <source>Import VKT</source>
        <translation>匯入 VKT</translation>
    </message>
    <message>
        <source>Developed by the Veskora Scoring Team
for examiners of colour discrimination.
Version %1</source>
        <translation>由 Veskora Scoring Team 開發
供辨色能力施測人員使用。
版本 %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>The test of %1 %2 was updated.</source>
        <translation>%1 %2 的測試已更新。</translation>
    </message>
    <message>
        <source>The test of %1 %2 was saved.</source>
        <translation>%1 %2 的測試已儲存。</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>報告已寫入 %1。</translation>
    </message>
    <message>
        <source>The selected tests were written to %1.</source>
        <translation>所選測試已寫入 %1。</translation>
    </message>
    <message numerus="yes">
        <source>%n test(s) imported</source>
        <translation>
            <numerusform>已匯入 %n 項測試</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cap set(s) added</source>
        <translation>
            <numerusform>已新增 %n 組色相子組</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) refused</source>
        <translation>
            <numerusform>已拒絕 %n 行</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>列印預覽</translation>
    </message>
    <message>
        <source>Writing the reports...</source>
        <translation>正在寫入報告...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The export was cancelled; nothing was written.</source>
        <translation>匯出已取消；未寫入任何內容。</translation>
    </message>
    <message numerus="yes">
        <source>%n report(s) were written to %1.</source>
        <translation>
            <numerusform>已將 %n 份報告寫入 %1。</numerusform>
        </translation>
    </message>
    <message>
        <source>The PDF writer could not be started.</source>
        <translation>無法啟動 PDF 寫入。</translation>
    </message>
    <message>
        <source>Footer Logo</source>
        <translation>頁尾標誌</translation>
    </message>
    <message>
        <source>The report was made without its footer logo: %1</source>
        <translation>報告已產生，但不含頁尾標誌：%1</translation>
    </message>
    <message>
        <source>Nothing was imported</source>
        <translation>未匯入任何內容</translation>
    </message>
    <message>
        <source>The file %1 holds no test; nothing was imported.</source>
        <translation>檔案 %1 不含任何測驗；未匯入任何內容。</translation>
    </message>
    <message numerus="yes">
        <source>%n place(s) of the file held no readable record</source>
        <translation>
            <numerusform>檔案中有 %n 處沒有可讀取的記錄</numerusform>
        </translation>
    </message>
    <message>
        <source>Database File</source>
        <translation>資料庫檔案</translation>
    </message>
    <message>
        <source>The database file %1 could not be opened: no test can be read or stored, and the settings shown are not those of the file.</source>
        <translation>無法開啟資料庫檔案 %1：無法讀取或儲存任何測驗，顯示的設定也不是該檔案中的設定。</translation>
    </message>
    <message>
        <source>Retry when the other program has finished with the file, or open another database file.</source>
        <translation>請在其他程式用完該檔案後重試，或開啟另一個資料庫檔案。</translation>
    </message>
    <message>
        <source>Another program replaced or removed the database file %1 while it was open here, so nothing more can be stored in it.</source>
        <translation>資料庫檔案 %1 在此處開啟期間被其他程式取代或刪除，因此無法再儲存任何內容。</translation>
    </message>
    <message>
        <source>Open the file as it is now?</source>
        <translation>依檔案目前的狀態開啟它嗎？</translation>
    </message>
    <message>
        <source>The manual is missing: %1 was not found. Installing the program again puts it back.</source>
        <translation>缺少手冊：找不到 %1。重新安裝程式即可恢復。</translation>
    </message>
    <message>
        <source>The manual %1 could not be shown: no program to open it was found.</source>
        <translation>無法顯示手冊 %1：找不到可開啟它的程式。</translation>
    </message>
</context>
<context>
    <name>ScoreWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
</context>
<context>
    <name>TrayCheck</name>
    <message>
        <source>missing %1</source>
        <translation>缺少 %1</translation>
    </message>
    <message>
        <source>%1 belongs to tray %2</source>
        <translation>%1 屬於托盤 %2</translation>
    </message>
    <message>
        <source>%1 belong to tray %2</source>
        <translation>%1 屬於托盤 %2</translation>
    </message>
    <message>
        <source>%1 typed twice</source>
        <translation>%1 輸入了兩次</translation>
    </message>
    <message>
        <source>%1 typed more than twice</source>
        <translation>%1 輸入了兩次以上</translation>
    </message>
    <message>
        <source>%1 is not a cap number</source>
        <translation>%1 不是色相子編號</translation>
    </message>
    <message>
        <source>%1 are not cap numbers</source>
        <translation>%1 不是色相子編號</translation>
    </message>
</context>
<context>
    <name>analysisDisplay</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Discrimination:</source>
        <translation>辨色能力:</translation>
    </message>
</context>
<context>
    <name>chartGraphicsView</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Error Scores</source>
        <translation>錯誤分數</translation>
    </message>
</context>
<context>
    <name>database</name>
    <message>
        <source>The database file could not be opened</source>
        <translation>無法開啟資料庫檔案</translation>
    </message>
    <message>
        <source>The database tables could not be created</source>
        <translation>無法建立資料庫資料表</translation>
    </message>
    <message>
        <source>The settings could not be stored</source>
        <translation>無法儲存設定</translation>
    </message>
    <message>
        <source>The settings could not be read</source>
        <translation>無法讀取設定</translation>
    </message>
    <message>
        <source>The subject could not be stored</source>
        <translation>無法儲存受測者</translation>
    </message>
    <message>
        <source>The test could not be stored</source>
        <translation>無法儲存測驗</translation>
    </message>
    <message>
        <source>The subject could not be updated</source>
        <translation>無法更新受測者</translation>
    </message>
    <message>
        <source>no stored subject matched</source>
        <translation>找不到相符的受測者</translation>
    </message>
    <message>
        <source>The test could not be updated</source>
        <translation>無法更新測驗</translation>
    </message>
    <message>
        <source>no stored test matched</source>
        <translation>找不到相符的測驗</translation>
    </message>
    <message>
        <source>The test could not be deleted</source>
        <translation>無法刪除測驗</translation>
    </message>
    <message>
        <source>The subject could not be deleted</source>
        <translation>無法刪除受測者</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 不存在</translation>
    </message>
    <message>
        <source>The database could not be saved</source>
        <translation>無法儲存資料庫</translation>
    </message>
    <message>
        <source>it cannot be copied onto itself</source>
        <translation>無法複製到自身</translation>
    </message>
    <message>
        <source>The database could not be read</source>
        <translation>無法讀取資料庫</translation>
    </message>
    <message>
        <source>The cap set could not be stored</source>
        <translation>無法儲存色相子組</translation>
    </message>
    <message>
        <source>The cap set could not be updated</source>
        <translation>無法更新色相子組</translation>
    </message>
    <message>
        <source>The cap set could not be removed</source>
        <translation>無法移除色相子組</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 是一個資料夾</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>無法寫入 %1</translation>
    </message>
    <message>
        <source>%1 could not be replaced</source>
        <translation>無法取代 %1</translation>
    </message>
    <message>
        <source>another program replaced or removed %1 since it was opened</source>
        <translation>%1 在開啟後被其他程式取代或刪除</translation>
    </message>
    <message>
        <source>The database file could not be opened: %1</source>
        <translation>無法開啟資料庫檔案：%1</translation>
    </message>
    <message>
        <source>%1 is not a readable database (%2)</source>
        <translation>%1 不是可讀取的資料庫（%2）</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2)</source>
        <translation>%1 正被其他程式使用（%2）</translation>
    </message>
    <message>
        <source>%1 is damaged (%2)</source>
        <translation>%1 已損毀（%2）</translation>
    </message>
    <message>
        <source>%1 is not a database of this program: its table %2 has other columns</source>
        <translation>%1 不是本程式的資料庫：其資料表 %2 的欄位不同</translation>
    </message>
    <message>
        <source>they could not be read from this file, and what is shown in their place must not replace them</source>
        <translation>無法從此檔案讀取這些設定，不能用代替顯示的內容覆蓋它們</translation>
    </message>
</context>
<context>
    <name>labelImageDisplay</name>
    <message>
        <source>Select Logo Image</source>
        <translation>選擇標誌圖片</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>開啟檔案</translation>
    </message>
</context>
<context>
    <name>preferences</name>
    <message>
        <source>Preferences</source>
        <translation>偏好設定</translation>
    </message>
    <message>
        <source>Scoring Mode</source>
        <translation>計分方式</translation>
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
        <translation>分析選項</translation>
    </message>
    <message>
        <source>In App</source>
        <translation>介面顯示</translation>
    </message>
    <message>
        <source>On Report</source>
        <translation>報告</translation>
    </message>
    <message>
        <source>Test Duration</source>
        <translation>測驗時間</translation>
    </message>
    <message>
        <source>Total Error Score (TES)</source>
        <translation>總錯誤分數 (TES)</translation>
    </message>
    <message>
        <source>Sqrt Total Error Score (TES)</source>
        <translation>總錯誤分數平方根 (√TES)</translation>
    </message>
    <message>
        <source>Vingrys Analysis</source>
        <translation>Vingrys 分析</translation>
    </message>
    <message>
        <source>Classification</source>
        <translation>分級</translation>
    </message>
    <message>
        <source>Percentage (First Time)</source>
        <translation>百分位數 (初次受測)</translation>
    </message>
    <message>
        <source>Percentage (Some Experience)</source>
        <translation>百分位數 (具部分經驗)</translation>
    </message>
    <message>
        <source>Percentage (Experienced)</source>
        <translation>百分位數 (經驗豐富)</translation>
    </message>
    <message>
        <source>User Interface Options</source>
        <translation>介面選項</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Customized Report Footer</source>
        <translation>自訂報告頁尾</translation>
    </message>
    <message>
        <source>New Record Defaults</source>
        <translation>新記錄預設值</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>光源</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>地區</translation>
    </message>
    <message>
        <source>Industry</source>
        <translation>產業</translation>
    </message>
    <message>
        <source>Job Function</source>
        <translation>職務</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>從業年資</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>Cap Sets</source>
        <translation>色相子組</translation>
    </message>
    <message>
        <source>Reset Defaults</source>
        <translation>還原預設值</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Purchase Date</source>
        <translation>購買日期</translation>
    </message>
    <message>
        <source>Add a cap set</source>
        <translation>新增色相子組</translation>
    </message>
    <message>
        <source>Edit the selected cap set</source>
        <translation>編輯所選色相子組</translation>
    </message>
    <message>
        <source>Remove the selected cap set</source>
        <translation>移除所選色相子組</translation>
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
        <translation>其他</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>北美洲</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>南美洲</translation>
    </message>
    <message>
        <source>Central America</source>
        <translation>中美洲</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>歐洲</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>亞洲</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>非洲</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>澳洲</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>學術</translation>
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
        <translation>政府機關</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>醫療</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>包裝</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>塗料</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>造紙</translation>
    </message>
    <message>
        <source>Pigment/Colorant manufacturer</source>
        <translation>顏料/著色劑製造</translation>
    </message>
    <message>
        <source>Plastic</source>
        <translation>塑膠</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation>汽車</translation>
    </message>
    <message>
        <source>Sign Printer</source>
        <translation>招牌印刷</translation>
    </message>
    <message>
        <source>Stains</source>
        <translation>染色劑</translation>
    </message>
    <message>
        <source>Textile - Creative</source>
        <translation>紡織 - 創意</translation>
    </message>
    <message>
        <source>Textile - Manufacturing</source>
        <translation>紡織 - 製造</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>營建</translation>
    </message>
    <message>
        <source>Consumer Products</source>
        <translation>消費品</translation>
    </message>
    <message>
        <source>Cosmetic</source>
        <translation>化妝品</translation>
    </message>
    <message>
        <source>Design - Architectural/Interior</source>
        <translation>設計 - 建築/室內</translation>
    </message>
    <message>
        <source>Design - Graphic</source>
        <translation>設計 - 平面</translation>
    </message>
    <message>
        <source>Design - Industrial</source>
        <translation>設計 - 工業</translation>
    </message>
    <message>
        <source>Design - Product</source>
        <translation>設計 - 產品</translation>
    </message>
    <message>
        <source>Quality Control</source>
        <translation>品質管制</translation>
    </message>
    <message>
        <source>Color Formulation</source>
        <translation>配色</translation>
    </message>
    <message>
        <source>Color Specification</source>
        <translation>色彩規格</translation>
    </message>
    <message>
        <source>Creative</source>
        <translation>創意</translation>
    </message>
    <message>
        <source>0 - 2 years</source>
        <translation>0 - 2 年</translation>
    </message>
    <message>
        <source>3 - 5 years</source>
        <translation>3 - 5 年</translation>
    </message>
    <message>
        <source>6 - 10 years</source>
        <translation>6 - 10 年</translation>
    </message>
    <message>
        <source>11 - 20 years</source>
        <translation>11 - 20 年</translation>
    </message>
    <message>
        <source>20 + years</source>
        <translation>20 年以上</translation>
    </message>
</context>
<context>
    <name>serialNumDialog</name>
    <message>
        <source>Add New Cap Set</source>
        <translation>新增色相子組</translation>
    </message>
    <message>
        <source>Enter cap-set serial number and purchase date. Test results more than two years past purchase date are not certified and damaged, soiled or faded cap sets should be replaced.</source>
        <translation>請輸入色相子組的序號與購買日期。購買日期滿兩年後的測驗結果不予認證；損壞、髒污或褪色的色相子組應予更換。</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>Purchase Date</source>
        <translation>購買日期</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>月/日/年（MM/DD/YYYY）</translation>
    </message>
</context>
</TS>
