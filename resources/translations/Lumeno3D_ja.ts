<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>DecimationLevels</name>
    <message>
        <source>Decimating 90%...</source>
        <translation>90% に削減中...</translation>
    </message>
    <message>
        <source>Decimating 80%...</source>
        <translation>80% に削減中...</translation>
    </message>
    <message>
        <source>Decimating 70%...</source>
        <translation>70% に削減中...</translation>
    </message>
    <message>
        <source>Decimating 60%...</source>
        <translation>60% に削減中...</translation>
    </message>
    <message>
        <source>Decimating 50%...</source>
        <translation>50% に削減中...</translation>
    </message>
    <message>
        <source>Decimating 40%...</source>
        <translation>40% に削減中...</translation>
    </message>
    <message>
        <source>Decimating 30%...</source>
        <translation>30% に削減中...</translation>
    </message>
    <message>
        <source>Decimating 20%...</source>
        <translation>20% に削減中...</translation>
    </message>
    <message>
        <source>Decimating 10%...</source>
        <translation>10% に削減中...</translation>
    </message>
</context>
<context>
    <name>DeviationPicture</name>
    <message>
        <source>Deviation, % of the diagonal</source>
        <translation>偏差（対角線に対する %）</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Deviation here: %1 % of the diagonal</source>
        <translation>この点の偏差: 対角線の %1%</translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>More Details</source>
        <translation>詳細情報</translation>
    </message>
</context>
<context>
    <name>DialogAboutQt</name>
    <message>
        <source>About Qt</source>
        <translation>Qt について</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>DialogNotificationUpdateReady</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>New version downloaded!</source>
        <translation>新しいバージョンをダウンロードしました。</translation>
    </message>
    <message>
        <source>&amp;Install New Version!</source>
        <translation>新しいバージョンをインストール(&amp;I)</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Lumeno3D %1 is available.</source>
        <translation>Lumeno3D %1 が利用可能です。</translation>
    </message>
    <message>
        <source>&amp;Open the download page</source>
        <translation>ダウンロード ページを開く(&amp;O)</translation>
    </message>
    <message>
        <source>Lumeno3D is going to close to install a new version.
Do you want to close Lumeno3D and update it?</source>
        <translation>新しいバージョンをインストールするため、Lumeno3D を終了します。
Lumeno3D を終了してアップデートしますか？</translation>
    </message>
</context>
<context>
    <name>DialogPreferences</name>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Graphic Options</source>
        <translation>グラフィック オプション</translation>
    </message>
    <message>
        <source>Model Color</source>
        <translation>モデルの色</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>背景色</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上部</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下部</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>既定値に戻す</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Check for updates at start</source>
        <translation>起動時にアップデートを確認する</translation>
    </message>
    <message>
        <source>Reduction method</source>
        <translation>削減方式</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>品質優先</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>クラシック</translation>
    </message>
    <message>
        <source>You have changed the language used to display the Lumeno3D user interface.

This change will not take effect until you restart Lumeno3D.</source>
        <translation>Lumeno3D のユーザー インターフェイスの表示言語を変更しました。

この変更は Lumeno3D を再起動するまで有効になりません。</translation>
    </message>
    <message>
        <source>Ask before saving a file that cannot hold all the model carries</source>
        <translation>モデルの持つ情報をすべては保存できないファイルに保存する前に確認する</translation>
    </message>
    <message>
        <source>Up axis in the first view of a model</source>
        <translation>モデルを最初に表示するときの上方向の軸</translation>
    </message>
    <message>
        <source>Automatic: Z for 3MF and printer parts, else Y</source>
        <translation>自動: 3MF と印刷用パーツは Z、それ以外は Y</translation>
    </message>
    <message>
        <source>Y up</source>
        <translation>Y が上</translation>
    </message>
    <message>
        <source>Z up</source>
        <translation>Z が上</translation>
    </message>
</context>
<context>
    <name>DialogTransform</name>
    <message>
        <source>These sizes cannot be applied: every size must be greater than 0, and the scaled model must stay within the coordinates a model file can hold.</source>
        <translation>これらのサイズは適用できません。すべてのサイズは 0 より大きくなければならず、拡大縮小したモデルはモデルファイルが保持できる座標の範囲内に収まる必要があります。</translation>
    </message>
    <message>
        <source>Proportions kept: a new size along one axis scales all three alike. Click to size each axis on its own.</source>
        <translation>比率を維持しています。1 つの軸のサイズを変更すると、3 つの軸すべてが同じ比率で拡大縮小されます。クリックすると、軸ごとに個別にサイズを設定できます。</translation>
    </message>
    <message>
        <source>Each axis is sized on its own. Click to keep the proportions.</source>
        <translation>軸ごとに個別にサイズを設定しています。クリックすると比率を維持します。</translation>
    </message>
    <message>
        <source>This rotation cannot be applied: the rotated model would not stay within the coordinates a model file can hold. Choose other angles or smaller sizes.</source>
        <translation>この回転は適用できません。回転後のモデルが、モデルファイルで保持できる座標の範囲内に収まりません。別の角度を選ぶか、サイズを小さくしてください。</translation>
    </message>
    <message>
        <source>Size (%1)</source>
        <translation>サイズ (%1)</translation>
    </message>
    <message>
        <source>The scale factor along %1: the size set divided by the model&apos;s own size</source>
        <translation>%1 方向の拡大率: 設定したサイズをモデル本来のサイズで割った値</translation>
    </message>
</context>
<context>
    <name>DialogUpdater</name>
    <message>
        <source>Downloading new version!</source>
        <translation>新しいバージョンをダウンロードしています...</translation>
    </message>
</context>
<context>
    <name>DualView</name>
    <message>
        <source>With %1</source>
        <translation>%1 付き</translation>
    </message>
    <message numerus="yes">
        <source>%n parts</source>
        <translation>
            <numerusform>%n 個のパーツ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts: %1</source>
        <translation>
            <numerusform>%n 個のパーツ: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n materials</source>
        <translation>
            <numerusform>%n 個のマテリアル</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n materials: %1</source>
        <translation>
            <numerusform>%n 個のマテリアル: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Drawn simplified to %1 triangles to fit into memory</source>
        <translation>メモリに収めるため %1 個の三角形に簡略化して表示</translation>
    </message>
</context>
<context>
    <name>FileSize</name>
    <message>
        <source>%1 kB</source>
        <translation>%1 kB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Lumeno3D Help</source>
        <translation>Lumeno3D ヘルプ</translation>
    </message>
    <message>
        <source>Lumeno3D makes triangle meshes lighter: it reduces the number of triangles of a model while keeping its shape, and saves the result.</source>
        <translation>Lumeno3D は三角形メッシュを軽量化します。モデルの形状を保ったまま三角形の数を減らし、その結果を保存します。</translation>
    </message>
    <message>
        <source>Opening a model</source>
        <translation>モデルを開く</translation>
    </message>
    <message>
        <source>Reducing</source>
        <translation>削減</translation>
    </message>
    <message>
        <source>As soon as a model is loaded, Lumeno3D computes nine levels that keep from 90 down to 10 percent of its triangles; each level&apos;s button shows the size of its file. You can also reduce the model to a percentage of your own, or as far as a maximum deviation from its shape allows.</source>
        <translation>モデルを読み込むとすぐに、Lumeno3D は三角形の 90% から 10% までを残す 9 つのレベルを計算します。各レベルのボタンには、そのファイルのサイズが表示されます。また、任意の割合までモデルを削減することも、形状からの最大偏差が許す範囲まで削減することもできます。</translation>
    </message>
    <message>
        <source>Smoothing and transforming</source>
        <translation>スムージングと変形</translation>
    </message>
    <message>
        <source>Smooth evens out the surface of the model on the right. Transform scales and rotates the model; both views show the change before you accept it.</source>
        <translation>「スムージング」は右側のモデルの表面を滑らかにします。「変形」はモデルを拡大縮小・回転します。変更は確定する前に両方のビューに表示されます。</translation>
    </message>
    <message>
        <source>Viewing</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Turn the model with the left mouse button, move it with the middle button and zoom with the wheel; the right view follows the left one. The buttons at the bottom switch between surface, points and wireframe, fit the model into the views, and show it from the front, the side, the top or in perspective.</source>
        <translation>マウスの左ボタンでモデルを回転し、中ボタンで移動し、ホイールでズームします。右のビューは左のビューに連動します。下部のボタンでは、サーフェス・点・ワイヤーフレームの表示を切り替えたり、モデルをビューに合わせたり、正面・側面・上面・透視で表示したりできます。</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Choose the language of the interface, the colour of the model and the colours of the background. A new language takes effect at the next start.</source>
        <translation>インターフェイスの言語、モデルの色、背景の色を選択します。新しい言語は次回の起動時に有効になります。</translation>
    </message>
    <message>
        <source>The latest version of this page is on the web:</source>
        <translation>このページの最新版は Web にあります:</translation>
    </message>
    <message>
        <source>You can also drop a model file on the window.</source>
        <translation>モデルファイルをウィンドウにドロップして開くこともできます。</translation>
    </message>
    <message>
        <source>Undo and Redo in the Edit menu take back and repeat transforms and smoothings. When New, Open or closing would drop changes you have not saved, Lumeno3D asks first.</source>
        <translation>編集メニューの「元に戻す」と「やり直し」で、変形とスムージングを取り消したりやり直したりできます。新規、開く、または終了で保存していない変更が失われる場合は、Lumeno3D が先に確認します。</translation>
    </message>
    <message>
        <source>Check for updates at start: each time it starts, Lumeno3D asks its web site for a newer version and tells you when there is one.</source>
        <translation>起動時にアップデートを確認する：起動するたびに Lumeno3D は Web サイトに新しいバージョンがあるかを問い合わせ、ある場合はお知らせします。</translation>
    </message>
    <message>
        <source>Reduction method: Quality makes all the levels in one pass and stays several times closer to the shape; Classic is the method of earlier versions.</source>
        <translation>削減方法: 「品質優先」はすべてのレベルを一度に作成し、形状に数倍近いまま保ちます。「クラシック」は以前のバージョンの方法です。</translation>
    </message>
    <message>
        <source>Save as in the File menu writes the model shown on the right as STL, PLY, OBJ, GLB, glTF, 3MF or OFF. PLY, GLB and glTF keep vertex colours, normals and texture coordinates; a glTF file holds its data itself, with no .bin file beside it. Snapshot saves both views as PNG images.</source>
        <translation>「ファイル」メニューの「名前を付けて保存」は、右側に表示されているモデルを STL、PLY、OBJ、GLB、glTF、3MF、OFF として書き出します。PLY、GLB、glTF では頂点カラー、法線、テクスチャ座標が保持されます。glTF ファイルはデータを自身の中に持つため、横に .bin ファイルは置かれません。「スナップショット」は両方のビューを PNG 画像として保存します。</translation>
    </message>
    <message>
        <source>Choose Open in the File menu and pick an STL, OBJ, PLY, OFF, glTF (.gltf or .glb) or 3MF file. The parts of a glTF, 3MF or OBJ file stay parts, each where the file places it, with their materials and textures. The left view shows the model as loaded, the right view the reduced model. The File menu also lists the last files you opened.</source>
        <translation>「ファイル」メニューの「開く」を選び、STL、OBJ、PLY、OFF、glTF (.gltf または .glb)、3MF ファイルを選択します。glTF、3MF、OBJ ファイルのパーツは、それぞれファイルが指定する位置に、マテリアルとテクスチャとともにパーツのまま保持されます。左のビューには読み込んだままのモデルが、右のビューには削減したモデルが表示されます。「ファイル」メニューには最近開いたファイルも表示されます。</translation>
    </message>
    <message>
        <source>Show deviation in the View menu colours the reduced model by each point&apos;s distance to the loaded model, from blue for none to dark red for the largest; the legend gives the scale, and the mouse pointer the value under it.</source>
        <translation>「表示」メニューの「偏差を表示」は、縮小したモデルを読み込んだモデルからの各点の距離で、青 (なし) から濃い赤 (最大) まで色分けします。凡例が目盛りを、マウスポインターがその下の値を示します。</translation>
    </message>
    <message>
        <source>Save levels as one file writes the model and its nine levels into one GLB file as levels of detail, which game and web engines read.</source>
        <translation>「レベルを 1 つのファイルに保存」は、モデルと 9 つのレベルを、ゲームエンジンや Web エンジンが読み込める詳細レベルとして 1 つの GLB ファイルに書き込みます。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Lumeno3D</source>
        <translation>Lumeno3D</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>メイン ツールバー</translation>
    </message>
    <message>
        <source>Decimation by percentage</source>
        <translation>割合で削減</translation>
    </message>
    <message>
        <source>Decimation by error</source>
        <translation>誤差で削減</translation>
    </message>
    <message>
        <source>Bottom toolbar</source>
        <translation>下部ツールバー</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>スナップショット</translation>
    </message>
    <message>
        <source>Create a snapshot</source>
        <translation>スナップショットを作成</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>変形</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>スムージング</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>表示モード</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ズーム</translation>
    </message>
    <message>
        <source>Front view</source>
        <translation>正面ビュー</translation>
    </message>
    <message>
        <source>Side view</source>
        <translation>側面ビュー</translation>
    </message>
    <message>
        <source>Top view</source>
        <translation>上面ビュー</translation>
    </message>
    <message>
        <source>Perspective view</source>
        <translation>透視ビュー</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>Exit from Lumeno3D</source>
        <translation>Lumeno3D を終了</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>The file </source>
        <translation>ファイル </translation>
    </message>
    <message>
        <source> doesn&apos;t exist.</source>
        <translation> は存在しません。</translation>
    </message>
    <message>
        <source>Error opening </source>
        <translation>ファイルを開けませんでした: </translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>モデルを保存</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 は既に存在します。
置き換えますか？</translation>
    </message>
    <message>
        <source>PNG file (*.png)</source>
        <translation>PNG ファイル (*.png)</translation>
    </message>
    <message>
        <source>Save snapshot</source>
        <translation>スナップショットを保存</translation>
    </message>
    <message>
        <source>The image could not be encoded.</source>
        <translation>画像をエンコードできませんでした。</translation>
    </message>
    <message>
        <source>The snapshot could not be saved to %1.
%2</source>
        <translation>スナップショットを %1 に保存できませんでした。
%2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>名前を付けて保存(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>環境設定(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>Custom percentage...</source>
        <translation>任意の割合...</translation>
    </message>
    <message>
        <source>Keep a percentage of the triangles that you type</source>
        <translation>入力した割合の三角形を残します</translation>
    </message>
    <message>
        <source>Custom error bound...</source>
        <translation>任意の許容誤差...</translation>
    </message>
    <message>
        <source>Remove triangles while an error bound that you type, as a share of the bounding box diagonal, allows</source>
        <translation>入力した許容誤差 (バウンディング ボックスの対角線に対する割合) の範囲内で三角形を削除します</translation>
    </message>
    <message>
        <source>Error bound of the filter, as a share of the bounding box diagonal:</source>
        <translation>フィルターの許容誤差 (バウンディング ボックスの対角線に対する割合):</translation>
    </message>
    <message>
        <source>Percentage of the triangles to keep, from %1 to %2:</source>
        <translation>残す三角形の割合 (%1 ～ %2):</translation>
    </message>
    <message>
        <source>%1% of the triangles cannot be kept: type a percentage from %2 to %3. The model shown stays as it is.</source>
        <translation>三角形の %1% を残すことはできません。%2 ～ %3 の割合を入力してください。表示中のモデルは変更されません。</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>スムージング</translation>
    </message>
    <message>
        <source>It was removed from Recent files.</source>
        <translation>最近使ったファイルの一覧から削除しました。</translation>
    </message>
    <message>
        <source>If it was moved or renamed, open it from its new place.</source>
        <translation>移動または名前を変更した場合は、新しい場所から開いてください。</translation>
    </message>
    <message>
        <source>No model is loaded into Lumeno3D.</source>
        <translation>Lumeno3D にモデルが読み込まれていません。</translation>
    </message>
    <message>
        <source>Open a model first.</source>
        <translation>先にモデルを開いてください。</translation>
    </message>
    <message>
        <source>Choose another name or folder and save again.</source>
        <translation>別の名前またはフォルダーを選んで、もう一度保存してください。</translation>
    </message>
    <message>
        <source>max. deviation %1 %, mean %2 %</source>
        <translation>最大偏差 %1 %、平均 %2 %</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>%1 への変更を保存しますか？</translation>
    </message>
    <message>
        <source>The transform or smoothing of the model is lost unless you save it.</source>
        <translation>モデルの変形やスムージングは、保存しないと失われます。</translation>
    </message>
    <message>
        <source>One model is open at a time: only %1 was opened.</source>
        <translation>一度に開けるモデルは 1 つです。%1 だけを開きました。</translation>
    </message>
    <message>
        <source>All models (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; OFF file (*.off);; glTF file (*.gltf *.glb);; 3MF file (*.3mf)</source>
        <translation>すべてのモデル (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;STL ファイル (*.stl);; PLY ファイル (*.ply);; OBJ ファイル (*.obj);; OFF ファイル (*.off);; glTF ファイル (*.gltf *.glb);; 3MF ファイル (*.3mf)</translation>
    </message>
    <message>
        <source>Check that it is a complete STL, OBJ, PLY, OFF, glTF, GLB or 3MF file, or export it again.</source>
        <translation>完全な STL、OBJ、PLY、OFF、glTF、GLB、3MF ファイルであることを確認するか、もう一度エクスポートしてください。</translation>
    </message>
    <message>
        <source>STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; GLB file (*.glb);; glTF file (*.gltf);; 3MF file (*.3mf);; OFF file (*.off)</source>
        <translation>STL ファイル (*.stl);; PLY ファイル (*.ply);; OBJ ファイル (*.obj);; GLB ファイル (*.glb);; glTF ファイル (*.gltf);; 3MF ファイル (*.3mf);; OFF ファイル (*.off)</translation>
    </message>
    <message>
        <source>Error bound %1</source>
        <translation>許容誤差 %1</translation>
    </message>
    <message>
        <source>Remove triangles while the filter&apos;s error bound, %1 of the bounding box diagonal, allows</source>
        <translation>フィルターの許容誤差 (バウンディング ボックスの対角線の %1) の範囲内で三角形を削除します</translation>
    </message>
    <message>
        <source>%1 cannot hold all that this model carries. Not saved:</source>
        <translation>%1 にはこのモデルの情報をすべては保存できません。保存されないもの:</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>このまま保存</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>今後は確認しない</translation>
    </message>
    <message>
        <source>The question can be turned on again in the Preferences.</source>
        <translation>この確認は環境設定でもう一度オンにできます。</translation>
    </message>
    <message>
        <source>The %1% level was not made: click to make the missing levels.</source>
        <translation>%1% のレベルは作成されていません: クリックすると足りないレベルを作成します。</translation>
    </message>
    <message>
        <source>Open a model with %1 &gt; %2 (%3)</source>
        <translation>%1 &gt; %2 (%3) でモデルを開く</translation>
    </message>
    <message>
        <source>or drop a model file here</source>
        <translation>またはモデル ファイルをここにドロップ</translation>
    </message>
    <message>
        <source>(STL, OBJ, PLY, OFF, glTF or 3MF).</source>
        <translation>(STL、OBJ、PLY、OFF、glTF、3MF)</translation>
    </message>
    <message>
        <source>The files opened last are at the end of the %1 menu.</source>
        <translation>最近開いたファイルは %1 メニューの最後にあります。</translation>
    </message>
    <message>
        <source>The reduced model appears here.</source>
        <translation>削減したモデルはここに表示されます。</translation>
    </message>
    <message>
        <source>Save parts as one &amp;model</source>
        <translation>パーツを 1 つのモデルとして保存(&amp;M)</translation>
    </message>
    <message>
        <source>Saves the parts of a model of several parts as one part, as they are drawn</source>
        <translation>複数のパーツからなるモデルのパーツを、描画どおり 1 つのパーツとして保存します</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Save &amp;levels as one file...</source>
        <translation>詳細レベルを 1 つのファイルに保存(&amp;L)...</translation>
    </message>
    <message>
        <source>Saves the model and its nine levels as levels of detail in one GLB file, which game and web engines read</source>
        <translation>モデルと 9 つのレベルを、ゲームエンジンや Web エンジンが読み込める詳細レベルとして 1 つの GLB ファイルに保存します</translation>
    </message>
    <message>
        <source>Show &amp;deviation</source>
        <translation>偏差を表示(&amp;D)</translation>
    </message>
    <message>
        <source>Colour the reduced model by each point&apos;s distance to the loaded model</source>
        <translation>縮小したモデルを、読み込んだモデルからの各点の距離で色分けします</translation>
    </message>
    <message>
        <source>Save levels as one file</source>
        <translation>レベルを 1 つのファイルに保存</translation>
    </message>
    <message>
        <source>GLB file (*.glb)</source>
        <translation>GLB ファイル (*.glb)</translation>
    </message>
</context>
<context>
    <name>ModelDocument</name>
    <message>
        <source>Opening file...</source>
        <translation>ファイルを開いています...</translation>
    </message>
    <message>
        <source>%1 polygons without area could not be made into triangles and were left out.</source>
        <translation>面積のない %1 個のポリゴンを三角形に変換できなかったため、除外しました。</translation>
    </message>
    <message>
        <source>Opening cancelled. The right view still shows %1.</source>
        <translation>ファイルを開くのをキャンセルしました。右のビューには引き続き %1 が表示されています。</translation>
    </message>
    <message>
        <source>Opening cancelled.</source>
        <translation>ファイルを開くのをキャンセルしました。</translation>
    </message>
    <message>
        <source>Cancelled. The right view now shows %1.</source>
        <translation>キャンセルしました。右のビューには %1 が表示されています。</translation>
    </message>
    <message>
        <source>Cancelled. The right view still shows %1.</source>
        <translation>キャンセルしました。右のビューには引き続き %1 が表示されています。</translation>
    </message>
    <message>
        <source>Decimating %1%...</source>
        <translation>%1% に削減中...</translation>
    </message>
    <message>
        <source>Decimating to error bound %1...</source>
        <translation>許容誤差 %1 まで削減中...</translation>
    </message>
    <message>
        <source>Smoothing...</source>
        <translation>スムージング中...</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>%1 に保存しました</translation>
    </message>
    <message>
        <source>Done, but the model cannot be reduced that far: %1% of the triangles are kept, not the %2% asked.</source>
        <translation>完了しましたが、モデルをそこまで削減できませんでした。残った三角形は、指定した %2% ではなく %1% です。</translation>
    </message>
    <message>
        <source>Done, but the model cannot be reduced that far: the %1% level keeps %2% of the triangles.</source>
        <translation>完了しましたが、モデルをそこまで削減できませんでした。%1% のレベルでは三角形の %2% が残ります。</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Saved to %1; %2</source>
        <translation>%1 に保存しました。%2</translation>
    </message>
    <message>
        <source>Done, but %1% of the triangles are kept, fewer than the %2% asked.</source>
        <translation>完了しましたが、残った三角形は %1% で、指定した %2% より少なくなりました。</translation>
    </message>
    <message>
        <source>Done, but the %1% level keeps %2% of the triangles, fewer than asked.</source>
        <translation>完了しましたが、%1% のレベルでは三角形の %2% が残り、指定より少なくなりました。</translation>
    </message>
    <message>
        <source>Not enough memory for this operation: the right view still shows %1.</source>
        <translation>この操作に必要なメモリが足りません。右のビューには引き続き %1 が表示されています。</translation>
    </message>
    <message>
        <source>Not enough memory for the %1% level: the levels above it are kept.</source>
        <translation>%1% のレベルに必要なメモリが足りません。それより上のレベルは保持されます。</translation>
    </message>
    <message>
        <source>Making the levels again with the engine chosen: %1 of %2...</source>
        <translation>選んだエンジンでレベルを作り直しています: %1 / %2...</translation>
    </message>
    <message>
        <source>Making the levels: %1 of %2...</source>
        <translation>レベルを作成しています: %1 / %2...</translation>
    </message>
    <message>
        <source>The button of a level not made makes the missing levels.</source>
        <translation>作成されていないレベルのボタンを押すと、足りないレベルを作成します。</translation>
    </message>
    <message>
        <source>Saving to %1...</source>
        <translation>%1 に保存しています...</translation>
    </message>
    <message numerus="yes">
        <source>%n textures could not be read as images: %1. Their materials are drawn in their plain colour.</source>
        <translation>
            <numerusform>%n 個のテクスチャを画像として読み込めませんでした: %1。そのマテリアルは単色で描画されます。</numerusform>
        </translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>完了。</translation>
    </message>
    <message>
        <source>To reach the triangle count, borders and texture seams were allowed to move off their lines.</source>
        <translation>三角形の数に達するため、境界とテクスチャの継ぎ目が線から外れることを許可しました。</translation>
    </message>
</context>
<context>
    <name>ModelReader</name>
    <message>
        <source>This file doesn&apos;t exist.</source>
        <translation>このファイルは存在しません。</translation>
    </message>
    <message>
        <source>This is a folder, not a model file.</source>
        <translation>これはフォルダーです。モデルファイルではありません。</translation>
    </message>
    <message>
        <source>This is no file on a disk but a pipe, a device or a socket: Lumeno3D opens model files only.</source>
        <translation>これはディスク上のファイルではなく、パイプ、デバイス、ソケットのいずれかです。Lumeno3D で開けるのはモデルファイルだけです。</translation>
    </message>
    <message>
        <source>This file is empty: it holds no model.</source>
        <translation>このファイルは空です。モデルが含まれていません。</translation>
    </message>
    <message>
        <source>This file cannot be read: %1.</source>
        <translation>このファイルを読み取れません: %1。</translation>
    </message>
    <message>
        <source>This file changed while it was being read; another program may still be writing it. Open it again once it is complete.</source>
        <translation>このファイルは読み込み中に変更されました。別のプログラムがまだ書き込んでいる可能性があります。ファイルが完成してから、もう一度開いてください。</translation>
    </message>
    <message>
        <source>Lumeno3D could not store its working copy of this file in the temporary folder %1; it may be full.</source>
        <translation>Lumeno3D は、このファイルの作業用コピーを一時フォルダー %1 に保存できませんでした。フォルダーがいっぱいになっている可能性があります。</translation>
    </message>
    <message>
        <source>This file seems to be corrupt and cannot be loaded.</source>
        <translation>このファイルは破損しているようです。読み込めません。</translation>
    </message>
    <message>
        <source>This file holds no triangles with an area, only points or lines (a point cloud, say): Lumeno3D reduces triangle meshes.</source>
        <translation>このファイルには面積のある三角形がなく、点または線だけが含まれています (点群など)。Lumeno3D は三角形メッシュを削減するプログラムです。</translation>
    </message>
    <message>
        <source>All points of this model lie at one place: it has no surface to show or reduce.</source>
        <translation>このモデルのすべての点が 1 か所に集まっています。表示または削減できる表面がありません。</translation>
    </message>
    <message>
        <source>Lumeno3D reads STL, OBJ, PLY, OFF, glTF, GLB and 3MF files: choose a file whose name ends in .stl, .obj, .ply, .off, .gltf, .glb or .3mf.</source>
        <translation>Lumeno3D で読み込めるのは STL、OBJ、PLY、OFF、glTF、GLB、3MF ファイルです。名前が .stl、.obj、.ply、.off、.gltf、.glb、.3mf で終わるファイルを選択してください。</translation>
    </message>
    <message>
        <source>The file %1, which holds this model&apos;s data, is missing beside it or cannot be read: copy it into the same folder.</source>
        <translation>このモデルのデータを格納するファイル %1 がモデルと同じ場所にないか、読み込めません。同じフォルダーにコピーしてください。</translation>
    </message>
    <message>
        <source>This file needs %1, which Lumeno3D cannot read: export it again without it.</source>
        <translation>このファイルには、Lumeno3D が読み込めない %1 が必要です。それを使わずにもう一度エクスポートしてください。</translation>
    </message>
    <message numerus="yes">
        <source>%n parts were merged into one model.</source>
        <translation>
            <numerusform>%n 個のパーツを 1 つのモデルに統合しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>This file&apos;s materials and textures are not kept: they are not saved with the model.</source>
        <translation>このファイルのマテリアルとテクスチャは保持されないため、モデルと一緒には保存されません。</translation>
    </message>
    <message numerus="yes">
        <source>%n groups of points or lines were left out: they have no triangles.</source>
        <translation>
            <numerusform>点または線のグループ %n 個は三角形がないため、除外しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>The colours of this file&apos;s faces are left out: Lumeno3D keeps vertex colours only.</source>
        <translation>このファイルの面の色は省略されます。Lumeno3D は頂点カラーのみを保持します。</translation>
    </message>
    <message>
        <source>JSON nested %1 levels deep</source>
        <translation>%1 階層に及ぶ JSON の入れ子</translation>
    </message>
    <message>
        <source>nodes nested %1 levels deep</source>
        <translation>%1 階層に及ぶノードの入れ子</translation>
    </message>
    <message>
        <source>%1 placed nodes</source>
        <translation>配置されたノード %1 個</translation>
    </message>
    <message>
        <source>%1 placed parts</source>
        <translation>配置されたパーツ %1 個</translation>
    </message>
    <message>
        <source>%1 points or triangles in all its parts</source>
        <translation>全パーツ合計 %1 個の点または三角形</translation>
    </message>
    <message>
        <source>This file is larger than the %1 Lumeno3D reads.</source>
        <translation>このファイルは、Lumeno3D が読み込める %1 を超えています。</translation>
    </message>
    <message>
        <source>There is not enough memory for reading this file: close other programs and open it again.</source>
        <translation>このファイルを読み込むためのメモリが足りません。他のプログラムを閉じてから、もう一度開いてください。</translation>
    </message>
    <message>
        <source>This file holds more than Lumeno3D reads: %1.</source>
        <translation>このファイルの内容は Lumeno3D が読み込める上限を超えています: %1。</translation>
    </message>
    <message>
        <source>glTF 1.0 is not supported; Lumeno3D reads glTF 2.0.</source>
        <translation>glTF 1.0 はサポートされていません。Lumeno3D が読み込めるのは glTF 2.0 です。</translation>
    </message>
    <message>
        <source>This glTF file holds no meshes: there is no surface to show or reduce.</source>
        <translation>この glTF ファイルにはメッシュがありません。表示または削減できる表面がありません。</translation>
    </message>
    <message>
        <source>This file holds points only, no triangles: Lumeno3D reduces triangle meshes.</source>
        <translation>このファイルには点だけが含まれ、三角形がありません。Lumeno3D は三角形メッシュを削減するプログラムです。</translation>
    </message>
    <message>
        <source>This 3MF file places no object on its build plate: it has no build items.</source>
        <translation>この 3MF ファイルはビルドプレートにオブジェクトを配置していません。ビルドアイテムがありません。</translation>
    </message>
    <message>
        <source>This file refers to %1, which is not a file in its own folder: Lumeno3D reads only files beside the model.</source>
        <translation>このファイルは %1 を参照していますが、これは同じフォルダー内のファイルではありません。Lumeno3D が読み込めるのはモデルと同じ場所にあるファイルだけです。</translation>
    </message>
    <message>
        <source>This file&apos;s %1 are left out: only some of its parts or faces carry them.</source>
        <translation>このファイルの %1 は省略されます。一部のパーツまたは面にしか含まれていません。</translation>
    </message>
    <message>
        <source>This file gives its sizes in the unit &quot;%1&quot;; they were converted to millimetres.</source>
        <translation>このファイルのサイズは単位「%1」で指定されています。ミリメートルに変換しました。</translation>
    </message>
    <message>
        <source>%1 vertices or face corners</source>
        <translation>頂点または面の角 %1 個</translation>
    </message>
    <message>
        <source>the unit &quot;%1&quot;</source>
        <translation>単位「%1」</translation>
    </message>
    <message>
        <source>components nested more than %1 deep</source>
        <translation>%1 階層を超えるコンポーネントの入れ子</translation>
    </message>
    <message>
        <source>more than %1 placed objects</source>
        <translation>%1 個を超える配置されたオブジェクト</translation>
    </message>
    <message>
        <source>more than %1 MiB of text without a tag</source>
        <translation>タグのない %1 MiB を超えるテキスト</translation>
    </message>
    <message>
        <source>Material libraries missing beside this model or outside its folder: %1. Their materials are shown in a plain colour.</source>
        <translation>このモデルの横にない、またはフォルダー外にあるマテリアル ライブラリ: %1。そのマテリアルは単色で表示されます。</translation>
    </message>
    <message>
        <source>Textures missing beside this model, outside its folder or unreadable: %1. Their materials are shown in their plain colours.</source>
        <translation>このモデルの横にない、フォルダー外にある、または読み込めないテクスチャ: %1。そのマテリアルはそれぞれの単色で表示されます。</translation>
    </message>
    <message>
        <source>%1 materials or %2 groups</source>
        <translation>%1 個のマテリアルまたは %2 個のグループ</translation>
    </message>
    <message>
        <source>This model of about %1 triangles needs about %2 of memory to open and make its levels, but only %3 is available: close other programs, or open it on a computer with more memory.</source>
        <translation>約 %1 個の三角形からなるこのモデルを開いてレベルを作成するには約 %2 のメモリが必要ですが、使用できるのは %3 だけです。他のプログラムを閉じるか、メモリの多いコンピューターで開いてください。</translation>
    </message>
</context>
<context>
    <name>ModelWriter</name>
    <message>
        <source>The model could not be saved to %1.
%2</source>
        <translation>モデルを %1 に保存できませんでした。
%2</translation>
    </message>
    <message>
        <source>No temporary file could be created beside it.</source>
        <translation>同じ場所に一時ファイルを作成できませんでした。</translation>
    </message>
    <message>
        <source>Writing the file failed.</source>
        <translation>ファイルの書き込みに失敗しました。</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>通常のファイルではありません。</translation>
    </message>
    <message>
        <source>There is no model to save.</source>
        <translation>保存するモデルがありません。</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>ファイルは書き込み禁止です。</translation>
    </message>
    <message>
        <source>The model has no triangles.</source>
        <translation>モデルに三角形がありません。</translation>
    </message>
    <message>
        <source>The model has coordinates that are not finite numbers.</source>
        <translation>モデルに有限の数値ではない座標があります。</translation>
    </message>
    <message>
        <source>%1 are not saved: STL files hold the triangles only.</source>
        <translation>%1 は保存されません: STL ファイルには三角形しか保存できません。</translation>
    </message>
    <message>
        <source>%1 are not saved: OBJ files hold normals and texture coordinates only.</source>
        <translation>%1 は保存されません: OBJ ファイルには法線とテクスチャ座標しか保存できません。</translation>
    </message>
    <message>
        <source>%1 are not saved: OFF files hold vertex colours only.</source>
        <translation>%1 は保存されません: OFF ファイルには頂点カラーしか保存できません。</translation>
    </message>
    <message>
        <source>%1 are not saved: 3MF files hold vertex colours only.</source>
        <translation>%1 は保存されません: 3MF ファイルには頂点カラーしか保存できません。</translation>
    </message>
    <message>
        <source>%1 was not saved: a model can be saved as an STL, PLY, OBJ, GLB, glTF, 3MF or OFF file only.</source>
        <translation>%1 は保存されませんでした: モデルは STL、PLY、OBJ、GLB、glTF、3MF、OFF ファイルとしてのみ保存できます。</translation>
    </message>
    <message>
        <source>There is not enough memory for writing it: close other programs and save again.</source>
        <translation>書き込むためのメモリが足りません。他のプログラムを閉じてから、もう一度保存してください。</translation>
    </message>
    <message numerus="yes">
        <source>%n materials</source>
        <translation>
            <numerusform>%n 個のマテリアル</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n textures</source>
        <translation>
            <numerusform>%n 個のテクスチャ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts, saved as one model</source>
        <translation>
            <numerusform>%n 個のパーツ (1 つのモデルとして保存)</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation>、</translation>
    </message>
    <message>
        <source>not saved: %1. 3MF files hold the base colour textures of models with texture coordinates only.</source>
        <translation>保存されません: %1。3MF ファイルが保持できるのは、テクスチャ座標を持つモデルのベースカラー テクスチャだけです。</translation>
    </message>
    <message>
        <source>not saved: %1. glTF files hold PNG and JPEG images only, and a missing image cannot be saved.</source>
        <translation>保存されません: %1。glTF ファイルが保持できるのは PNG と JPEG の画像だけで、見つからない画像は保存できません。</translation>
    </message>
    <message>
        <source>not saved: %1. %2 files hold no materials, textures or parts.</source>
        <translation>保存されません: %1。%2 ファイルはマテリアル、テクスチャ、パーツを保持しません。</translation>
    </message>
    <message>
        <source>%1 was not saved: the levels are saved in one file as GLB only.</source>
        <translation>%1 は保存されませんでした: 1 つのファイルにまとめたレベルは GLB でのみ保存できます。</translation>
    </message>
</context>
<context>
    <name>PointAttributes</name>
    <message>
        <source>vertex colours</source>
        <translation>頂点カラー</translation>
    </message>
    <message>
        <source>normals</source>
        <translation>法線</translation>
    </message>
    <message>
        <source>texture coordinates</source>
        <translation>テクスチャ座標</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1と%2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>SaveLoss</name>
    <message>
        <source>materials and textures</source>
        <translation>マテリアルとテクスチャ</translation>
    </message>
    <message numerus="yes">
        <source>%n parts, saved as one model</source>
        <translation>
            <numerusform>%n 個のパーツ (1 つのモデルとして保存)</numerusform>
        </translation>
    </message>
    <message>
        <source>The materials and parts that reading the file could not keep are not in the model.</source>
        <translation>ファイルの読み込みで保持できなかったマテリアルとパーツはモデルにありません。</translation>
    </message>
</context>
<context>
    <name>TransformDialog</name>
    <message>
        <source>Transform</source>
        <translation>変形</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Z:</source>
        <translation>Z:</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
</context>
</TS>
