<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ActionThread</name>
    <message>
        <source>Không đọc được thông tin tài khoản</source>
        <translation>アカウント情報を読み取れませんでした</translation>
    </message>
    <message>
        <source>tập tin rỗng</source>
        <translation>空のフォルダー</translation>
    </message>
    <message>
        <source>Vui lòng kiểm tra lại đường dẫn %1</source>
        <translation>%1 のリンクを確認してください</translation>
    </message>
</context>
<context>
    <name>DialogDownload</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Chọn đường dẫn</source>
        <translation>フォルダーを選択</translation>
    </message>
    <message>
        <source>Lưu đến</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Đường dẫn</source>
        <translation>リンク</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Tải xuống</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>読み込み中....</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Sử dụng làm thư mục tải xuống mặc định</source>
        <translation>既定のダウンロードフォルダーにする</translation>
    </message>
    <message>
        <source>Xem Online</source>
        <translation>オンラインで再生</translation>
    </message>
    <message>
        <source>Download zip file</source>
        <translation>zip ファイルでダウンロード</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Tải xuống&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;ダウンロード&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Chọn thư mục</source>
        <translation>フォルダーを選択</translation>
    </message>
</context>
<context>
    <name>DialogLoading</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>読み込み中....</translation>
    </message>
</context>
<context>
    <name>DialogMsg</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Xem chi tiết</source>
        <translation>詳細を表示</translation>
    </message>
    <message>
        <source>Đóng lại</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Thông báo&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;お知らせ&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Thu nhỏ</source>
        <translation>詳細を隠す</translation>
    </message>
</context>
<context>
    <name>DialogOption</name>
    <message>
        <source>Tùy chỉnh</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Các tùy chọn được lưu trong tệp cấu hình của chương trình.</source>
        <translation>設定はプログラムの設定ファイルに保存されます。</translation>
    </message>
</context>
<context>
    <name>DialogTurnOff</name>
    <message>
        <source>Hệ thống sẽ tự động tắt máy của bạn trong:</source>
        <translation>コンピューターを自動的にシャットダウンします。残り時間:</translation>
    </message>
    <message>
        <source>Ngưng tắt máy</source>
        <translation>シャットダウンを中止</translation>
    </message>
</context>
<context>
    <name>DialogUpload</name>
    <message>
        <source>Tải lên</source>
        <translation>アップロード</translation>
    </message>
    <message>
        <source>Tập tin đã chọn:</source>
        <translation>選択したファイル:</translation>
    </message>
    <message>
        <source>Thư mục trên máy chủ:</source>
        <translation>サーバー上のフォルダー:</translation>
    </message>
</context>
<context>
    <name>DownloadFile</name>
    <message>
        <source>Tạo link thất bại!</source>
        <translation>ダウンロードリンクを作成できませんでした。</translation>
    </message>
    <message>
        <source>Thư mục không tồn tại.</source>
        <translation>フォルダーが存在しません。</translation>
    </message>
    <message>
        <source>Không tạo được kết nối để tải tập tin.</source>
        <translation>ファイルをダウンロードするための接続を作成できませんでした。</translation>
    </message>
    <message>
        <source>Chờ... </source>
        <translation>待機中... </translation>
    </message>
    <message>
        <source>Chờ %1 s</source>
        <translation>待機中 (%1 秒)</translation>
    </message>
    <message>
        <source>Tập tin trên máy lớn hơn tập tin cần tải. Vui lòng chọn đường dẫn khác để tải.</source>
        <translation>このコンピューター上のファイルがダウンロードするファイルより大きいです。別の保存先を選んでダウンロードしてください。</translation>
    </message>
    <message>
        <source>Error opening local file</source>
        <translation>ローカルファイルを開けませんでした</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>ダウンロード中</translation>
    </message>
    <message>
        <source>Dừng</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Partial file downloaded</source>
        <translation>ダウンロードが途中で終了しました</translation>
    </message>
    <message>
        <source>Service is not available</source>
        <translation>サービスを利用できません</translation>
    </message>
    <message>
        <source>Lỗi kết nối máy chủ. Vui lòng kiểm tra lại kết nối mạng.</source>
        <translation>サーバーに接続できませんでした。ネットワーク接続を確認してください。</translation>
    </message>
    <message>
        <source>Không đủ dung lượng trống để lưu trữ tập tin</source>
        <translation>ファイルを保存するための空き容量が足りません</translation>
    </message>
    <message>
        <source>Lỗi ghi dữ liệu xuống file.</source>
        <translation>ファイルへのデータの書き込みに失敗しました。</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Phân vùng FAT32 không thể chứa tập tin lớn hơn 4GB. Vui lòng chọn đường dẫn khác để tải.</source>
        <translation>FAT32 パーティションには 4GB を超えるファイルを保存できません。別の保存先を選んでダウンロードしてください。</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>開始中</translation>
    </message>
    <message>
        <source>Tập tin có mật khẩu. Double click để nhập mật khẩu!</source>
        <translation>このファイルはパスワードで保護されています。ダブルクリックしてパスワードを入力してください。</translation>
    </message>
    <message>
        <source>Mật khẩu không đúng. Vui lòng nhập lại!</source>
        <translation>パスワードが正しくありません。もう一度入力してください。</translation>
    </message>
    <message>
        <source>Quá số IP cho phép. Tài khoản của quý khách đang được sử dụng quá số IP cho phép.</source>
        <translation>許可された IP アドレスの数を超えています。お客様のアカウントは許可された数を超える IP アドレスから使用されています。</translation>
    </message>
</context>
<context>
    <name>FormDownload</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Tập tin đã tải</source>
        <translation>ダウンロード済み</translation>
    </message>
    <message>
        <source>Tên file</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Dung lượng</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Link file</source>
        <translation>ファイルのリンク</translation>
    </message>
    <message>
        <source>Thuộc thư mục</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Tiến trình tải xuống</source>
        <translation>ダウンロード中</translation>
    </message>
    <message>
        <source>Tạm dừng tất cả</source>
        <translation>すべて一時停止</translation>
    </message>
    <message>
        <source>Bắt đầu tất cả</source>
        <translation>すべて開始</translation>
    </message>
    <message>
        <source>Xóa </source>
        <translation>削除 </translation>
    </message>
    <message>
        <source>Tạm ngưng</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Bắt đầu</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Tạo mới</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Tập tin</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Trạng thái</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Tiến trình</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Tốc độ</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Kết thúc</source>
        <translation>残り時間</translation>
    </message>
    <message>
        <source>Lỗi download!

Bạn nên chọn Yes để Brisko tool khởi động lại
v�  tiếp tục download. Hoặc chọn No để thử lại.</source>
        <translation>ダウンロードエラー

「はい」を選ぶと Brisko tool を再起動して
ダウンロードを続けます。「いいえ」を選ぶともう一度試します。</translation>
    </message>
    <message>
        <source>Lỗi Download</source>
        <translation>ダウンロードエラー</translation>
    </message>
    <message>
        <source>Tạm dừng</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Tải tập tin</source>
        <translation>ファイルをダウンロード</translation>
    </message>
    <message>
        <source>Xem video online</source>
        <translation>オンラインで再生</translation>
    </message>
    <message>
        <source>Di chuyển lên đầu</source>
        <translation>先頭へ移動</translation>
    </message>
    <message>
        <source>Di chuyển lên</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Di chuyển xuống</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Di chuyển xuống cuối</source>
        <translation>末尾へ移動</translation>
    </message>
    <message>
        <source>Xóa</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Thông tin file</source>
        <translation>ファイル情報</translation>
    </message>
    <message>
        <source>Mở tập tin</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Mở thư mục chứa tập tin</source>
        <translation>ファイルのあるフォルダーを開く</translation>
    </message>
    <message>
        <source>Tải lại</source>
        <translation>再ダウンロード</translation>
    </message>
    <message>
        <source>Thông tin</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Hãy chọn các tập tin để bắt đầu tải xuống</source>
        <translation>ダウンロードを開始するファイルを選択してください</translation>
    </message>
    <message>
        <source>Hãy chọn các tập tin cần tạm dừng tải xuống</source>
        <translation>ダウンロードを一時停止するファイルを選択してください</translation>
    </message>
    <message>
        <source>Xác nhận xóa</source>
        <translation>削除の確認</translation>
    </message>
    <message>
        <source>Bạn có chắc muốn xóa tập tin này không?</source>
        <translation>このファイルを一覧から削除してもよろしいですか？</translation>
    </message>
    <message>
        <source>Thông báo</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>Vui lòng chọn ít nhất một tập tin cần xoá</source>
        <translation>一覧から削除するファイルを 1 つ以上選択してください</translation>
    </message>
    <message>
        <source>Bạn phải &lt;b&gt;dừng tải xuống&lt;/b&gt; các tập tin đã chọn trước khi xóa</source>
        <translation>削除する前に、選択したファイルのダウンロードを&lt;b&gt;一時停止&lt;/b&gt;してください</translation>
    </message>
    <message>
        <source>Xác nhận tải lại</source>
        <translation>再ダウンロードの確認</translation>
    </message>
    <message>
        <source>Bạn có chắc muốn tải lại tập tin này không?
Sau khi bạn tải lại nếu tập tin tồn tại sẽ bị xóa.</source>
        <translation>このファイルを再ダウンロードしてもよろしいですか？
再ダウンロードすると、既存のファイルは削除されます。</translation>
    </message>
    <message>
        <source>Lỗi mở tập tin</source>
        <translation>ファイルを開けません</translation>
    </message>
    <message>
        <source>Tập tin bạn chọn không tồn tại</source>
        <translation>選択したファイルは存在しません</translation>
    </message>
    <message>
        <source>Lỗi mở thư mục</source>
        <translation>フォルダーを開けません</translation>
    </message>
    <message>
        <source>Thư mục bạn chọn không tồn tại</source>
        <translation>選択したフォルダーは存在しません</translation>
    </message>
    <message>
        <source>Lỗi</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Không đủ dung lượng trống để lưu danh sách tải xuống</source>
        <translation>ダウンロード一覧を保存するための空き容量が足りません</translation>
    </message>
    <message>
        <source>Lỗi lưu danh sách tải xuống</source>
        <translation>ダウンロード一覧の保存に失敗しました</translation>
    </message>
    <message>
        <source>Lỗi thông tin tải xuống: </source>
        <translation>ダウンロード一覧のエラー: </translation>
    </message>
    <message>
        <source>Danh sách các tập tin tải xuống bị lỗi
Vui lòng thêm lại vào danh sách</source>
        <translation>ダウンロード一覧が破損しています
もう一度一覧に追加してください</translation>
    </message>
    <message>
        <source>Chương trình không hỗ trợ mở loại định dạng của tập tin này</source>
        <translation>このプログラムはこの形式のファイルを開けません</translation>
    </message>
    <message>
        <source>View Online</source>
        <translation>オンライン再生中</translation>
    </message>
</context>
<context>
    <name>FormInfo</name>
    <message>
        <source>Đăng xuất</source>
        <translation>ログアウト</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tài khoản:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Mã thành viên:&lt;/b&gt; %2&lt;br&gt;&lt;b&gt;Loại thành viên:&lt;/b&gt; %3</source>
        <translation>&lt;b&gt;アカウント:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;会員ID:&lt;/b&gt; %2&lt;br&gt;&lt;b&gt;会員種別:&lt;/b&gt; %3</translation>
    </message>
</context>
<context>
    <name>FormManage</name>
    <message>
        <source>Thư mục gốc của tài khoản</source>
        <translation>アカウントのルートフォルダー</translation>
    </message>
</context>
<context>
    <name>FormUpload</name>
    <message>
        <source>Tập tin chờ tải lên:</source>
        <translation>アップロード待ちのファイル:</translation>
    </message>
</context>
<context>
    <name>LoginForm</name>
    <message>
        <source>Đăng nhập Brisko Tool</source>
        <translation>Brisko Tool にログイン</translation>
    </message>
    <message>
        <source>&lt;style&gt;a { color: #18517a; }&lt;/style&gt;Nếu bạn chưa có tài khoản, vui lòng &lt;a href=&quot;%1/signup&quot;&gt;đăng ký&lt;/a&gt; tại đây</source>
        <translation>&lt;style&gt;a { color: #18517a; }&lt;/style&gt;アカウントをお持ちでない方は、こちらで&lt;a href=&quot;%1/signup&quot;&gt;登録&lt;/a&gt;してください</translation>
    </message>
    <message>
        <source>&lt;style&gt;a { color: #18517a; }&lt;/style&gt;&lt;a href=&quot;%1/forgot&quot;&gt;Quên mật khẩu?&lt;/a&gt;</source>
        <translation>&lt;style&gt;a { color: #18517a; }&lt;/style&gt;&lt;a href=&quot;%1/forgot&quot;&gt;パスワードをお忘れですか?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Ghi nhớ</source>
        <translation>パスワードを保存</translation>
    </message>
    <message>
        <source>Thư điện tử</source>
        <translation>メールアドレス</translation>
    </message>
    <message>
        <source>Đăng nhập</source>
        <translation>ログイン</translation>
    </message>
    <message>
        <source>Thoát</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Tự động đăng nhập</source>
        <translation>自動ログイン</translation>
    </message>
    <message>
        <source>Mật khẩu</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>&lt;style&gt;a { color: #18517a; }&lt;/style&gt;&lt;a href=&quot;/option&quot;&gt;Tùy chọn&lt;/a&gt;</source>
        <translation>&lt;style&gt;a { color: #18517a; }&lt;/style&gt;&lt;a href=&quot;/option&quot;&gt;設定&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>読み込み中....</translation>
    </message>
    <message>
        <source>1.0.0</source>
        <translation>1.0.0</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>読み込み中...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Đang kiểm tra phiên bản mới&lt;/b&gt;</source>
        <translation>&lt;b&gt;新しいバージョンを確認しています&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Kết nối mạng bị lỗi 
</source>
        <translation>ネットワーク接続に失敗しました 
</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>MainWindow</source>
        <translation>Brisko Tool</translation>
    </message>
    <message>
        <source>Tải xuống: %1</source>
        <translation>ダウンロード: %1</translation>
    </message>
    <message>
        <source>Tải lên: %1</source>
        <translation>アップロード: %1</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Tải lên</source>
        <translation>アップロード</translation>
    </message>
    <message>
        <source>Tải xuống</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Quản lý file</source>
        <translation>ファイル管理</translation>
    </message>
    <message>
        <source>Thông tin</source>
        <translation>アカウント情報</translation>
    </message>
    <message>
        <source>Tìm nội dung</source>
        <translation>コンテンツ検索</translation>
    </message>
    <message>
        <source>Tài &amp;khoản</source>
        <translation>アカウント(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Công cụ</source>
        <translation>ツール(&amp;T)</translation>
    </message>
    <message>
        <source>T&amp;rợ giúp</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Tạ&amp;o mới</source>
        <translation>新規登録(&amp;N)…</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Brisko</source>
        <translation>Brisko Tool について(&amp;A)</translation>
    </message>
    <message>
        <source>Tùy &amp;chỉnh</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Đăng &amp;xuất</source>
        <translation>ログアウト(&amp;L)</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Thoát</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Xem &amp;thông tin</source>
        <translation>アカウント情報(&amp;I)</translation>
    </message>
    <message>
        <source>Shift+X</source>
        <translation>Shift+X</translation>
    </message>
    <message>
        <source>Hướng dẫn sử dụng</source>
        <translation>使い方</translation>
    </message>
    <message>
        <source>Nhập link từ file...</source>
        <translation>ファイルからリンクを読み込む...</translation>
    </message>
    <message>
        <source>Nhập link download Brisko từ file văn bản</source>
        <translation>テキストファイルから Brisko のダウンロードリンクを読み込む</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Dán đường dẫn</source>
        <translation>リンクを貼り付け</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <comment>&amp;Upload</comment>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>Mở chương trình</source>
        <translation>Brisko Tool を開く</translation>
    </message>
    <message>
        <source>Đóng chương trình</source>
        <translation>Brisko Tool を終了</translation>
    </message>
    <message>
        <source>Chọn tập tin</source>
        <translation>ファイルを選択</translation>
    </message>
    <message>
        <source>Txt file(*.txt)</source>
        <translation>テキストファイル (*.txt)</translation>
    </message>
    <message>
        <source>Tiến trình tải xuống</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Hoàn thành: </source>
        <translation>完了: </translation>
    </message>
    <message>
        <source>Tiến trình tải lên</source>
        <translation>アップロード</translation>
    </message>
    <message>
        <source>Thông tin</source>
        <comment>about the program</comment>
        <translation>バージョン情報</translation>
    </message>
</context>
<context>
    <name>MediaPlayerInfo</name>
    <message>
        <source>Đang tải trình xem phim %1</source>
        <translation>動画プレーヤー %1 をダウンロードしています</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <source>Login error! (%1)</source>
        <translation>ログインエラー (%1)</translation>
    </message>
    <message>
        <source>Thoát!</source>
        <translation>終了の確認</translation>
    </message>
    <message>
        <source>Bạn có chắc muốn thoát khỏi chương trình?</source>
        <translation>プログラムを終了してもよろしいですか？</translation>
    </message>
    <message>
        <source>Đăng xuất!</source>
        <translation>ログアウトの確認</translation>
    </message>
    <message>
        <source>Bạn có chắc muốn đăng xuất ?</source>
        <translation>ログアウトしてもよろしいですか？</translation>
    </message>
    <message>
        <source>Lỗi (%1)</source>
        <translation>エラー (%1)</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Thư mục không tồn tại, bạn có muốn tạo thư mục này không?</source>
        <translation>フォルダーが存在しません。作成しますか？</translation>
    </message>
    <message>
        <source>Tạo thư mục thất bại. Bạn vui lòng kiểm tra lại đường dẫn &lt;b&gt;%1&lt;/b&gt;.</source>
        <translation>フォルダーを作成できませんでした。パス &lt;b&gt;%1&lt;/b&gt; を確認してください。</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Vui lòng nhập đường dẫn tải xuống của brisko.</source>
        <translation>Brisko のダウンロードリンクを入力してください。</translation>
    </message>
    <message>
        <source>Vui lòng chọn đường dẫn thư mục!</source>
        <translation>フォルダーを選択してください。</translation>
    </message>
</context>
<context>
    <name>RssManager</name>
    <message>
        <source>Chưa có nguồn phim nào.</source>
        <translation>動画フィードはまだありません。</translation>
    </message>
</context>
<context>
    <name>ShowErrorDetail</name>
    <message>
        <source>Dữ liệu ngày tháng không hợp lệ</source>
        <translation>日付が無効です</translation>
    </message>
    <message>
        <source>Toán tử không hợp lệ</source>
        <translation>演算子が無効です</translation>
    </message>
    <message>
        <source>Thao tác không được phép thực hiện</source>
        <translation>この操作は許可されていません</translation>
    </message>
    <message>
        <source>Tham số quá lớn</source>
        <translation>パラメーターが大きすぎます</translation>
    </message>
    <message>
        <source>Đăng nhập sai Username hoặc Pass</source>
        <translation>ユーザー名またはパスワードが正しくありません</translation>
    </message>
    <message>
        <source>Không thể giải quyết yêu cầu</source>
        <translation>リクエストを処理できませんでした</translation>
    </message>
    <message>
        <source>Dữ liệu đã được sử dụng</source>
        <translation>このデータは既に使用されています</translation>
    </message>
    <message>
        <source>Mã xác nhận không chính xác</source>
        <translation>確認コードが正しくありません</translation>
    </message>
    <message>
        <source>Dữ liệu không phép rỗng</source>
        <translation>データを空にすることはできません</translation>
    </message>
    <message>
        <source>Dữ liệu không nằm trong danh sách</source>
        <translation>データが一覧にありません</translation>
    </message>
    <message>
        <source>Dữ liệu tên file/folder không hợp lệ</source>
        <translation>ファイル名またはフォルダー名が無効です</translation>
    </message>
    <message>
        <source>Dữ liệu phải là số nguyên</source>
        <translation>データは整数でなければなりません</translation>
    </message>
    <message>
        <source>Dữ liệu phải là định dạng email</source>
        <translation>データはメールアドレスの形式でなければなりません</translation>
    </message>
    <message>
        <source>Dữ liệu URL không chính xác</source>
        <translation>URL が正しくありません</translation>
    </message>
    <message>
        <source>Dữ liệu đầu vào không hợp lệ</source>
        <translation>入力データが無効です</translation>
    </message>
    <message>
        <source>Dữ liệu không tồn tại</source>
        <translation>データが存在しません</translation>
    </message>
    <message>
        <source>Thư mục mặc định, không cho phép thực hiện chức năng này</source>
        <translation>既定のフォルダーのため、この機能は実行できません</translation>
    </message>
    <message>
        <source>Dữ liệu đã bị xóa</source>
        <translation>データは削除されています</translation>
    </message>
    <message>
        <source>Loại thành viên không đủ quyền thực hiện chức năng</source>
        <translation>ご利用の会員種別ではこの機能を使用できません</translation>
    </message>
    <message>
        <source>Dữ liệu đã có trong danh sách</source>
        <translation>データは既に一覧にあります</translation>
    </message>
    <message>
        <source>Dung lượng không đủ để thực hiện chức năng</source>
        <translation>この機能を実行するための容量が足りません</translation>
    </message>
    <message>
        <source>User không tồn tại</source>
        <translation>アカウントが存在しません</translation>
    </message>
    <message>
        <source>Gửi mail không thành công</source>
        <translation>メールを送信できませんでした</translation>
    </message>
    <message>
        <source>Thao tác đổi tên thành công, nhưng bị thay đổi nội dung</source>
        <translation>名前を変更しましたが、名前の一部が変更されました</translation>
    </message>
    <message>
        <source>Thực hiện thao tác di chuyển ngay tại vị trí cũ</source>
        <translation>移動先が元の場所と同じです</translation>
    </message>
    <message>
        <source>Thao tác di chuyển phải thực hiện vào Thư mục</source>
        <translation>移動先はフォルダーでなければなりません</translation>
    </message>
    <message>
        <source>Không thực hiện thao tác di chuyển vào thư mục con của nó</source>
        <translation>フォルダーをそのサブフォルダーに移動することはできません</translation>
    </message>
    <message>
        <source>Thao tác copy phải thực hiện vào Thư mục</source>
        <translation>コピー先はフォルダーでなければなりません</translation>
    </message>
    <message>
        <source>Không thực hiện thao tác copy vào thư mục con của nó</source>
        <translation>フォルダーをそのサブフォルダーにコピーすることはできません</translation>
    </message>
    <message>
        <source>Thao tác clone phải thực hiện vào Thư mục</source>
        <translation>クローン先はフォルダーでなければなりません</translation>
    </message>
    <message>
        <source>Tài nguyên không Public</source>
        <translation>このリソースは公開されていません</translation>
    </message>
    <message>
        <source>Dung lượng trafic không đủ</source>
        <translation>転送量が足りません</translation>
    </message>
    <message>
        <source>Dung lượng trafic đủ</source>
        <translation>転送量は足りています</translation>
    </message>
    <message>
        <source>Không thực hiện thao tác di chuyển thư mục đó vào chính nó</source>
        <translation>フォルダーをそれ自体の中に移動することはできません</translation>
    </message>
    <message>
        <source>File clone không đúng định dạng</source>
        <translation>クローンするファイルの形式が正しくありません</translation>
    </message>
    <message>
        <source>Dữ liệu đầu vào không chính xác</source>
        <translation>入力データが正しくありません</translation>
    </message>
    <message>
        <source>Không tồn tại!</source>
        <translation>存在しません。</translation>
    </message>
    <message>
        <source>Lỗi server</source>
        <translation>サーバーエラー</translation>
    </message>
    <message>
        <source>Thực hiện không thành công</source>
        <translation>操作に失敗しました</translation>
    </message>
    <message>
        <source>Lỗi </source>
        <translation>エラー </translation>
    </message>
</context>
<context>
    <name>SimpleDownloadDialog</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Đang tải ...</source>
        <translation>ダウンロード中 ...</translation>
    </message>
</context>
<context>
    <name>TableDownloadModel</name>
    <message>
        <source>Queued</source>
        <translation>順番待ち</translation>
    </message>
</context>
<context>
    <name>UpdateHelper</name>
    <message>
        <source>Brisko Tool của bạn đã được cập nhật thành công</source>
        <translation>Brisko Tool は正常に更新されました</translation>
    </message>
    <message>
        <source>Quá trình cập nhật bị lỗi. Thử lại lần nữa?</source>
        <translation>アップデートに失敗しました。もう一度試しますか？</translation>
    </message>
    <message>
        <source>Phiên bản Brisko Tool của bạn quá cũ.&lt;br&gt;Vui lòng tải phiên bản mới tại %1</source>
        <translation>お使いの Brisko Tool のバージョンは古すぎます。&lt;br&gt;新しいバージョンを %1 からダウンロードしてください</translation>
    </message>
    <message>
        <source>Brisko Tool đã có phiên bản %1.
Bạn có muốn tải &amp; cập nhật ngay không?</source>
        <translation>Brisko Tool のバージョン %1 が公開されています。
今すぐダウンロードして更新しますか？</translation>
    </message>
    <message>
        <source>Phiên bản Brisko Tool của bạn quá cũ.&lt;br&gt;Chọn &lt;b&gt;Ok&lt;/b&gt; để cập nhật lên phiên bản %1.</source>
        <translation>お使いの Brisko Tool のバージョンは古すぎます。&lt;br&gt;&lt;b&gt;OK&lt;/b&gt; を選ぶとバージョン %1 に更新します。</translation>
    </message>
    <message>
        <source>Đang tải tập tin cập nhật...</source>
        <translation>アップデートファイルをダウンロードしています...</translation>
    </message>
    <message>
        <source>Lỗi không xác định khi tải tập tin cập nhật. Vui lòng thử lại sau&lt;br&gt;Hoặc tải trực tiếp tại %1</source>
        <translation>アップデートファイルのダウンロード中に不明なエラーが発生しました。後でもう一度お試しください&lt;br&gt;または %1 から直接ダウンロードしてください</translation>
    </message>
    <message>
        <source>Cập nhật đã bị hủy hoặc bị lỗi khi tải về</source>
        <translation>アップデートはキャンセルされたか、ダウンロード中にエラーが発生しました</translation>
    </message>
</context>
<context>
    <name>UploadFile</name>
    <message>
        <source>Lỗi kết nối mạng.</source>
        <translation>ネットワーク接続エラー。</translation>
    </message>
    <message>
        <source>Lấy không được thông tin user</source>
        <translation>アカウント情報を取得できませんでした</translation>
    </message>
    <message>
        <source>Đã hết dung lượng bảo đảm!</source>
        <translation>セキュア容量を使い切りました。</translation>
    </message>
    <message>
        <source>Đã hết dung lượng không bảo đảm!</source>
        <translation>非セキュア容量を使い切りました。</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>開始中</translation>
    </message>
    <message>
        <source>Dừng</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Tập tin bị thay đổi. Vui lòng tạo lại phiên tải lên khác để tải lên lại.</source>
        <translation>ファイルが変更されました。新しいアップロードセッションを作成してアップロードし直してください。</translation>
    </message>
    <message>
        <source>Upload file not found</source>
        <translation>アップロードするファイルが見つかりません</translation>
    </message>
    <message>
        <source>Không thể mở tập tin</source>
        <translation>ファイルを開けません</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>アップロード中</translation>
    </message>
    <message>
        <source>Lỗi tải lên! Thử lại sau %1s</source>
        <translation>アップロードエラー。%1 秒後に再試行します</translation>
    </message>
    <message>
        <source>Finalizing</source>
        <translation>最終処理中</translation>
    </message>
    <message>
        <source>Đăng ký tập tin với server thất bại!</source>
        <translation>サーバーへのファイルの登録に失敗しました。</translation>
    </message>
</context>
<context>
    <name>dialogabout</name>
    <message>
        <source>Thông tin</source>
        <translation>バージョン情報</translation>
    </message>
</context>
</TS>
