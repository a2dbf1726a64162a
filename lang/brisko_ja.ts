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
    <name>DialogCopyFile</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Sao chép&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;コピー&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Sao chép đến:</source>
        <translation>コピー先:</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>読み込み中....</translation>
    </message>
    <message>
        <source>Lỗi </source>
        <translation>エラー </translation>
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
    <name>DialogFileInfo</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Tên tập tin</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Dung lượng</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>0KB</source>
        <translation>0KB</translation>
    </message>
    <message>
        <source>Mật khẩu</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Tình trạng</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Đường dẫn tải về</source>
        <translation>リンク</translation>
    </message>
    <message>
        <source>Lưu tại</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Chọn đường dẫn</source>
        <translation>フォルダーを選択</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Thông tin file&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;ファイル情報&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Open_dir</source>
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
    <name>DialogMoveFIle</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Đến thư mục:</source>
        <translation>移動先フォルダー:</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Chuyển File&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;ファイルの移動&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>読み込み中....</translation>
    </message>
    <message>
        <source>Lỗi </source>
        <translation>エラー </translation>
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
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Chú ý</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>Bạn cần khởi động lại chương trình để các tùy chỉnh có hiệu lực.</source>
        <translation>設定を有効にするには、プログラムを再起動してください。</translation>
    </message>
    <message>
        <source>Khởi động lại</source>
        <translation>今すぐ再起動</translation>
    </message>
    <message>
        <source>Khởi động sau</source>
        <translation>後で再起動</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DialogPlayVideo</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Tên tập tin video:</source>
        <translation>動画ファイル名:</translation>
    </message>
    <message>
        <source>Dung lượng:</source>
        <translation>サイズ:</translation>
    </message>
    <message>
        <source>Tải xuống và xem</source>
        <translation>ダウンロードして視聴</translation>
    </message>
    <message>
        <source>Chọn chương trình xem video</source>
        <translation>動画プレーヤーの選択</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>VLC Media Player</source>
        <translation>VLC Media Player</translation>
    </message>
    <message>
        <source>Media Player Classic</source>
        <translation>Media Player Classic</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Xem video&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;動画を再生&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Tìm phụ đề</source>
        <translation>字幕を検索</translation>
    </message>
    <message>
        <source>Thông báo</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>Chương trình xem video bạn chọn chưa được cài đặt.&lt;br&gt;Bạn có muốn cài đặt để xem video không?</source>
        <translation>選択した動画プレーヤーはインストールされていません。&lt;br&gt;インストールして動画を視聴しますか?</translation>
    </message>
    <message>
        <source>Lỗi!</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Lỗi kết nối mạng. 
Vui lòng kiểm tra lại</source>
        <translation>ネットワーク接続エラーです。
確認してください</translation>
    </message>
    <message>
        <source>Thực hiện không thành công.</source>
        <translation>操作に失敗しました。</translation>
    </message>
    <message>
        <source>Chương trình không hỗ trợ mở loại định dạng của tập tin này</source>
        <translation>このファイル形式は開けません</translation>
    </message>
    <message>
        <source>Bạn vui lòng chờ đến khi tiến trình tải xuống lớn hơn 1% thì chương trình sẽ tự động mở video này.</source>
        <translation>ダウンロードが1%を超えると、この動画は自動的に開かれます。しばらくお待ちください。</translation>
    </message>
    <message>
        <source>Bạn vui lòng chờ tiến trình tải xuống lớn hơn 1% để xem video này.</source>
        <translation>この動画を視聴するには、ダウンロードが1%を超えるまでお待ちください。</translation>
    </message>
</context>
<context>
    <name>DialogTurnOff</name>
    <message>
        <source>Hệ thống sẽ tự động tắt máy của bạn trong:</source>
        <translation>自動シャットダウンまでの残り時間:</translation>
    </message>
    <message>
        <source>Ngưng tắt máy</source>
        <translation>シャットダウンを中止</translation>
    </message>
    <message>
        <source>Tự động tắt máy</source>
        <translation>自動シャットダウン</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>DialogUpload</name>
    <message>
        <source>Brisko Upload</source>
        <translation>Brisko アップロード</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Tải lên&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;アップロード&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Chọn tập tin</source>
        <translation>ファイルを選択</translation>
    </message>
    <message>
        <source>Chọn đường dẫn</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Lưu vào vùng bảo đảm</source>
        <translation>保護領域に保存</translation>
    </message>
    <message>
        <source>Chọn thư mục</source>
        <translation>フォルダーを選択</translation>
    </message>
    <message>
        <source>Tạo thư mục mới</source>
        <translation>新しいフォルダー</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Bạn có đồng ý với tất cả </source>
        <translation>すべての</translation>
    </message>
    <message>
        <source>điều khoản</source>
        <translation>利用規約</translation>
    </message>
    <message>
        <source> của </source>
        <translation> に同意しますか — </translation>
    </message>
    <message>
        <source>Chọn tập tin tải lên</source>
        <translation>アップロードするファイルを選択</translation>
    </message>
    <message>
        <source>Tên tập tin &quot;</source>
        <translation>ファイル名 &quot;</translation>
    </message>
    <message>
        <source>&quot; chứa kí tự đặc biệt</source>
        <translation>&quot; に特殊文字が含まれています</translation>
    </message>
    <message>
        <source>Tất cả tập tin (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Lỗi </source>
        <translation>エラー </translation>
    </message>
</context>
<context>
    <name>Dialogcreatefol</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tên thư mục:</source>
        <translation>フォルダー名:</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Tạo Folder Mới&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;新しいフォルダー&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Lỗi </source>
        <translation>エラー </translation>
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
    <message>
        <source>Máy chủ gửi nhiều dữ liệu hơn kích thước tập tin.</source>
        <translation>サーバーがファイルのサイズを超えるデータを送信しました。</translation>
    </message>
    <message>
        <source>Tập tin trên máy chủ đã thay đổi. Vui lòng tải lại tập tin.</source>
        <translation>サーバー上のファイルが変更されました。もう一度ダウンロードしてください。</translation>
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
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
</context>
<context>
    <name>FormInfo</name>
    <message>
        <source>Đăng xuất</source>
        <translation>ログアウト</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Tài khoản:</source>
        <translation>アカウント:</translation>
    </message>
    <message>
        <source>Tài khoản</source>
        <translation>アカウント</translation>
    </message>
    <message>
        <source>Mã thành viên:</source>
        <translation>会員ID:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Thời hạn dùng:</source>
        <translation>有効期限:</translation>
    </message>
    <message>
        <source>92 ngày</source>
        <translation>92日</translation>
    </message>
    <message>
        <source>Loại thành viên:</source>
        <translation>会員種別:</translation>
    </message>
    <message>
        <source>Click vào để mua VIP</source>
        <translation>クリックしてVIPを購入</translation>
    </message>
    <message>
        <source>Lượt tải còn lại:</source>
        <translation>残りダウンロード回数:</translation>
    </message>
    <message>
        <source>99 lượt</source>
        <translation>99回</translation>
    </message>
    <message>
        <source>File upload tối đa:</source>
        <translation>最大アップロードサイズ:</translation>
    </message>
    <message>
        <source>Upload size</source>
        <translation>アップロードサイズ</translation>
    </message>
    <message>
        <source>Điểm thưởng:</source>
        <translation>ボーナスポイント:</translation>
    </message>
    <message>
        <source>85 điểm</source>
        <translation>85ポイント</translation>
    </message>
    <message>
        <source>Tài khoản mở:</source>
        <translation>アカウント開設日:</translation>
    </message>
    <message>
        <source>12/12/2009</source>
        <translation>12/12/2009</translation>
    </message>
    <message>
        <source>Tổng file upload:</source>
        <translation>アップロード済みファイル数:</translation>
    </message>
    <message>
        <source>1000 file</source>
        <translation>1000ファイル</translation>
    </message>
    <message>
        <source>Tổng file download:</source>
        <translation>ダウンロード済みファイル数:</translation>
    </message>
    <message>
        <source>100 file</source>
        <translation>100ファイル</translation>
    </message>
    <message>
        <source>Kích hoạt tải trực tiếp</source>
        <translation>直接ダウンロードを有効にする</translation>
    </message>
    <message>
        <source>DL bảo đảm đã dùng:</source>
        <translation>セキュアストレージ使用量:</translation>
    </message>
    <message>
        <source>0.93GB</source>
        <translation>0.93GB</translation>
    </message>
    <message>
        <source>DL bảo đảm còn lại:</source>
        <translation>セキュアストレージ残り:</translation>
    </message>
    <message>
        <source>DL không bảo đảm đã dùng:</source>
        <translation>通常ストレージ使用量:</translation>
    </message>
    <message>
        <source>DL không bảo đảm còn lại:</source>
        <translation>通常ストレージ残り:</translation>
    </message>
    <message>
        <source>299GB</source>
        <translation>299GB</translation>
    </message>
    <message>
        <source>Tổng dung lượng của tài khoản:</source>
        <translation>アカウントの総容量:</translation>
    </message>
    <message>
        <source>300GB</source>
        <translation>300GB</translation>
    </message>
    <message>
        <source>Tổng traffic:</source>
        <translation>総トラフィック:</translation>
    </message>
    <message>
        <source>0 GB</source>
        <translation>0 GB</translation>
    </message>
    <message>
        <source>Traffic đã dùng:</source>
        <translation>使用済みトラフィック:</translation>
    </message>
    <message>
        <source>Traffic còn lại:</source>
        <translation>残りトラフィック:</translation>
    </message>
    <message>
        <source>&lt;a a href=&quot;/managerZidUdarDirectLink&quot;&gt;Quản lý Zidudar/Directlink&lt;/a&gt;</source>
        <translation>&lt;a a href=&quot;/managerZidUdarDirectLink&quot;&gt;Zidudar/Directlinkの管理&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>ストレージ</translation>
    </message>
    <message>
        <source>Forever</source>
        <translation>永久</translation>
    </message>
    <message>
        <source>Khách hàng trả sau</source>
        <translation>後払い顧客</translation>
    </message>
    <message>
        <source>Thành viên thường</source>
        <translation>一般会員</translation>
    </message>
    <message>
        <source>Không giới hạn</source>
        <translation>無制限</translation>
    </message>
    <message numerus="yes">
        <source>%n lượt</source>
        <translation>
            <numerusform>%n回</numerusform>
        </translation>
    </message>
    <message>
        <source>Vĩnh viễn</source>
        <translation>永久</translation>
    </message>
    <message numerus="yes">
        <source>%n điểm</source>
        <translation>
            <numerusform>%nポイント</numerusform>
        </translation>
    </message>
    <message>
        <source>Lỗi </source>
        <translation>エラー </translation>
    </message>
</context>
<context>
    <name>FormManage</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Tạo thư mục</source>
        <translation>新しいフォルダー</translation>
    </message>
    <message>
        <source>Di chuyển</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Cập nhật</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Xóa</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Tải lên</source>
        <translation>アップロード</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>読み込み中...</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>F2</source>
        <comment>&amp;Rename</comment>
        <translation>F2</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <comment>&amp;Download</comment>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Tên tập tin</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Dung lượng</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Lần tải</source>
        <translation>ダウンロード数</translation>
    </message>
    <message>
        <source>Ngày tạo</source>
        <translation>作成日</translation>
    </message>
    <message>
        <source>Đường dẫn</source>
        <translation>リンク</translation>
    </message>
    <message>
        <source>Lỗi </source>
        <translation>エラー </translation>
    </message>
    <message>
        <source>dd/MM/yyyy</source>
        <translation>yyyy/MM/dd</translation>
    </message>
    <message>
        <source>Lỗi kết nối mạng !</source>
        <translation>ネットワーク接続エラー</translation>
    </message>
    <message>
        <source>Duong dan hay tren </source>
        <translation>おすすめのリンク: </translation>
    </message>
    <message>
        <source>Sửa tên</source>
        <translation>名前の変更</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Tạo mật khẩu</source>
        <translation>パスワードを設定</translation>
    </message>
    <message>
        <source>Đổi mật khẩu</source>
        <translation>パスワードを変更</translation>
    </message>
    <message>
        <source>Tải Lên</source>
        <translation>アップロード</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>Tải xuống</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Sao chép links</source>
        <translation>リンクをコピー</translation>
    </message>
    <message>
        <source>Gửi link cho bạn bè</source>
        <translation>リンクを友達に送信</translation>
    </message>
    <message>
        <source>Giữ bảo đảm file</source>
        <translation>ファイルを保護</translation>
    </message>
    <message>
        <source>Không bảo đảm file</source>
        <translation>ファイルの保護を解除</translation>
    </message>
    <message>
        <source>Bật Directlink</source>
        <translation>ダイレクトリンクを有効にする</translation>
    </message>
    <message>
        <source>Tắt Directlink</source>
        <translation>ダイレクトリンクを無効にする</translation>
    </message>
    <message>
        <source>Bạn chưa chọn file</source>
        <translation>ファイルが選択されていません。</translation>
    </message>
    <message>
        <source>Lỗi</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Thông báo</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>Bạn có muốn xóa file ?</source>
        <translation>ファイルを削除しますか？</translation>
    </message>
    <message>
        <source>Bạn là thành viên thường nên không thực hiện được chức năng này.</source>
        <translation>一般会員はこの機能を使用できません。</translation>
    </message>
    <message>
        <source>Thư mục mặc định Music, Photos không được phép tải về!</source>
        <translation>既定のフォルダー Music と Photos はダウンロードできません。</translation>
    </message>
    <message>
        <source>Độ dài tối đa là 100 kí tự</source>
        <translation>名前は 100 文字以内にしてください。</translation>
    </message>
    <message>
        <source>Tên tập tin không được phép rỗng.</source>
        <translation>ファイル名を空にすることはできません。</translation>
    </message>
    <message>
        <source>Tên tập tin không được chứa kí tự đặt biệt: </source>
        <translation>ファイル名に次の特殊文字は使用できません: </translation>
    </message>
    <message>
        <source>Mục đã chọn không có đường dẫn nên không thực hiện được chức năng này.</source>
        <translation>選択した項目にはリンクがないため、この機能は使えません。</translation>
    </message>
</context>
<context>
    <name>FormUpload</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Tập tin đã tải</source>
        <translation>アップロード済み</translation>
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
        <source>Đường dẫn</source>
        <translation>リンク</translation>
    </message>
    <message>
        <source>Thuộc thư mục</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Tiến trình tải lên</source>
        <translation>アップロード中</translation>
    </message>
    <message>
        <source>Tạo mới</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Bắt đầu</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Tạm ngưng</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Xóa</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Bắt đầu tất cả</source>
        <translation>すべて開始</translation>
    </message>
    <message>
        <source>Tạm dừng tất cả</source>
        <translation>すべて一時停止</translation>
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
        <source>Tạm dừng</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Tải lên</source>
        <translation>アップロード</translation>
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
        <source>Tải tập tin về máy</source>
        <translation>このコンピューターにダウンロード</translation>
    </message>
    <message>
        <source>Copy links</source>
        <translation>リンクをコピー</translation>
    </message>
    <message>
        <source>Thông tin</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Hãy chọn các tập tin để bắt đầu tải lên</source>
        <translation>アップロードを開始するファイルを選択してください</translation>
    </message>
    <message>
        <source>Hãy chọn các file cần tạm dừng tải lên</source>
        <translation>アップロードを一時停止するファイルを選択してください</translation>
    </message>
    <message>
        <source>Thông báo</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>Vui lòng chọn ít nhất một tập tin cần xoá </source>
        <translation>一覧から削除するファイルを 1 つ以上選択してください </translation>
    </message>
    <message>
        <source>Bạn phải &lt;b&gt;dừng tải lên&lt;/b&gt; các tập tin đã chọn trước khi xóa</source>
        <translation>一覧から削除する前に、選択したファイルの&lt;b&gt;アップロードを一時停止&lt;/b&gt;してください</translation>
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
        <source>Lỗi mở tập tin</source>
        <translation>ファイルを開くエラー</translation>
    </message>
    <message>
        <source>Tập tin bạn chọn không tồn tại</source>
        <translation>選択したファイルは存在しません</translation>
    </message>
    <message>
        <source>Lỗi</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Không đủ dung lượng trống để lưu thông tin tải lên</source>
        <translation>アップロード一覧を保存する空き容量が足りません</translation>
    </message>
    <message>
        <source>Lỗi lưu thông tin tải lên</source>
        <translation>アップロード一覧の保存エラー</translation>
    </message>
    <message>
        <source>Lỗi thông tin tải lên: </source>
        <translation>アップロード一覧のエラー: </translation>
    </message>
    <message>
        <source>Danh sách các tập tin tải lên bị lỗi
Vui lòng thêm lại vào danh sách</source>
        <translation>アップロード一覧が壊れています
ファイルをもう一度一覧に追加してください</translation>
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
        <translation>パスワード保存</translation>
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
    <name>Popup_rss_SetDownloadFolder</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Thư mục tải xuống</source>
        <translation>ダウンロードフォルダー</translation>
    </message>
    <message>
        <source>Tên thể loại:</source>
        <translation>カテゴリー:</translation>
    </message>
    <message>
        <source>Chọn</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Chọn thư mục tải xuống</source>
        <translation>ダウンロードフォルダーを選択</translation>
    </message>
    <message>
        <source>Thông báo</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>Bạn vui lòng chọn đường dẫn để lưu tập tin tải xuống</source>
        <translation>ダウンロードしたファイルの保存先を選択してください</translation>
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
        <source>Lỗi (%1)</source>
        <translation>エラー (%1)</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
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
    <message>
        <source>File name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Nhập tên cho tập tin.</source>
        <translation>ファイル名を入力してください。</translation>
    </message>
    <message>
        <source>Chọn thư mục lưu trữ tập tin.</source>
        <translation>ファイルの保存先フォルダーを選択してください。</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Tập tin đã tồn tại, không thể đổi tên tập tin.</source>
        <translation>同じ名前のファイルが既に存在するため、名前を変更できません。</translation>
    </message>
    <message>
        <source>Tập tin %1 đã tồn tại, không thể đổi tên tập tin.</source>
        <translation>ファイル %1 は既に存在するため、名前を変更できません。</translation>
    </message>
    <message>
        <source>Tạo thư mục thất bại. Bạn vui lòng kiểm tra lại đường dẫn.</source>
        <translation>フォルダーを作成できませんでした。パスを確認してください。</translation>
    </message>
    <message>
        <source>Tập tin %1 đang được tải, không thể đổi tên hay chuyển tập tin.</source>
        <translation>%1 はダウンロード中のため、名前の変更や移動はできません。</translation>
    </message>
    <message>
        <source>Không đổi tên hay chuyển được tập tin %1 thành %2.</source>
        <translation>ファイル %1 を %2 に名前変更または移動できませんでした。</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>アップロード</translation>
    </message>
    <message>
        <source>Vui lòng xác nhận đồng ý các điều khoản của Brisko.</source>
        <translation>Brisko の利用規約への同意を確認してください。</translation>
    </message>
    <message>
        <source>Tập tin &quot;%1&quot; không tồn tại</source>
        <translation>ファイル &quot;%1&quot; は存在しません</translation>
    </message>
    <message>
        <source>Tập tin &quot;%1&quot; rỗng</source>
        <translation>ファイル &quot;%1&quot; は空です</translation>
    </message>
    <message>
        <source>Lỗi tập tin</source>
        <translation>ファイルエラー</translation>
    </message>
    <message>
        <source>Vui lòng chọn file cần upload.</source>
        <translation>アップロードするファイルを選択してください。</translation>
    </message>
    <message>
        <source>Lỗi!</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Cảnh báo!</source>
        <translation>警告</translation>
    </message>
    <message>
        <source> Tổng Quát</source>
        <translation> 一般</translation>
    </message>
    <message>
        <source> Tác vụ tải lên</source>
        <translation> アップロード</translation>
    </message>
    <message>
        <source> Tác vụ tải xuống</source>
        <translation> ダウンロード</translation>
    </message>
    <message>
        <source> Kết nối</source>
        <translation> 接続</translation>
    </message>
    <message>
        <source>Không khởi động lại được chương trình. Bạn hãy tự mở lại chương trình.</source>
        <translation>プログラムを再起動できませんでした。手動でもう一度起動してください。</translation>
    </message>
    <message>
        <source>Tên thư mục không được đặt là khoảng trắng.</source>
        <translation>フォルダー名を空白だけにすることはできません。</translation>
    </message>
    <message>
        <source>Bạn chưa nhập tên thư mục</source>
        <translation>フォルダー名を入力してください。</translation>
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
        <source>Không lưu được tùy chỉnh (%1). Các thay đổi sẽ mất khi chương trình khởi động lại.</source>
        <translation>設定を保存できませんでした（%1）。変更はプログラムの再起動時に失われます。</translation>
    </message>
    <message>
        <source>Brisko Tool không thể chạy: không ghi được tệp khóa vào thư mục tạm
%1
Ổ đĩa có thể đã đầy hoặc chỉ cho phép đọc. Hãy giải phóng dung lượng hoặc kiểm tra quyền ghi, rồi mở lại chương trình.</source>
        <translation>Brisko Tool を実行できません: 一時フォルダーにロックファイルを書き込めません
%1
ディスクがいっぱいか、読み取り専用になっている可能性があります。空き容量を確保するか書き込み権限を確認してから、プログラムをもう一度開いてください。</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; cannot be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuation marks.</source>
        <translation>&lt;b&gt;ファイル名 &quot;%1&quot; は使用できません。&lt;/b&gt;&lt;p&gt;名前を短くしたり、アクセント記号などを削除して再度試してください。</translation>
    </message>
</context>
<context>
    <name>ReLogin</name>
    <message>
        <source>Tài khoản đã đăng xuất</source>
        <translation>アカウントはログアウトしました</translation>
    </message>
</context>
<context>
    <name>RssManager</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Chọn nguồn phim: </source>
        <translation>映画の提供元: </translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Tìm kiếm:</source>
        <translation>検索:</translation>
    </message>
    <message>
        <source>Danh mục</source>
        <translation>カテゴリー</translation>
    </message>
    <message>
        <source>Hình</source>
        <translation>ポスター</translation>
    </message>
    <message>
        <source>Tiêu đề</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Mô tả</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>Đường dẫn tải xuống</source>
        <translation>ダウンロードリンク</translation>
    </message>
    <message>
        <source>Phụ đề tiếng việt</source>
        <translation>ベトナム語字幕</translation>
    </message>
    <message>
        <source>Ngày cập nhật</source>
        <translation>更新日時</translation>
    </message>
    <message>
        <source>Đường dẫn xem chi tiết</source>
        <translation>詳細ページ</translation>
    </message>
    <message>
        <source>Thông báo</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>Tài khoản của bạn không có quyền sử dụng tính năng này. Để sử dụng tính năng này bạn cần mua tài khoản VIP của</source>
        <translation>お使いのアカウントではこの機能を使用できません。この機能を使用するには、次のVIPアカウントを購入してください:</translation>
    </message>
    <message>
        <source>Đang tải dữ liệu, bạn vui lòng đợi</source>
        <translation>データを読み込んでいます。お待ちください</translation>
    </message>
    <message>
        <source>Bạn vui lòng nhập từ khóa để tìm phim</source>
        <translation>映画を検索するキーワードを入力してください</translation>
    </message>
    <message>
        <source>Website đang triển khai liên kết với Brisko, mời bạn quay lại sau</source>
        <translation>このウェブサイトはBriskoとの連携を準備中です。後でもう一度お越しください</translation>
    </message>
    <message>
        <source>Lỗi</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Không tải được dữ liệu phim, vui lòng thử lại sau.</source>
        <translation>映画のデータを読み込めませんでした。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>dd/MM/yyyy hh:mm</source>
        <translation>yyyy/MM/dd hh:mm</translation>
    </message>
    <message>
        <source>Lỗi đọc tập tin xml</source>
        <translation>XML読み込みエラー</translation>
    </message>
    <message>
        <source>Không ghi được danh sách thể loại tải xuống tự động: %1</source>
        <translation>自動ダウンロードするカテゴリーを保存できませんでした: %1</translation>
    </message>
    <message>
        <source>Dừng tải xuống tự động khi có phim mới</source>
        <translation>新しい映画の自動ダウンロードを停止</translation>
    </message>
    <message>
        <source>Tải xuống tự động khi có phim mới</source>
        <translation>新しい映画を自動ダウンロード</translation>
    </message>
    <message>
        <source>Chọn thư mục tải xuống</source>
        <translation>ダウンロードフォルダーを選択</translation>
    </message>
    <message>
        <source>Sao chép đường dẫn tải xuống</source>
        <translation>ダウンロードリンクをコピー</translation>
    </message>
    <message>
        <source>Tải xuống</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Định dạng 720p</source>
        <translation>720p形式</translation>
    </message>
    <message>
        <source>Định dạng 1080p</source>
        <translation>1080p形式</translation>
    </message>
    <message>
        <source>Định dạng khác</source>
        <translation>その他の形式</translation>
    </message>
    <message>
        <source>Tải phụ đề tiếng việt</source>
        <translation>ベトナム語字幕をダウンロード</translation>
    </message>
    <message>
        <source>Tìm phụ đề trực tuyến</source>
        <translation>オンラインで字幕を検索</translation>
    </message>
    <message>
        <source>Gửi đường dẫn tải xuống cho bạn bè</source>
        <translation>ダウンロードリンクを友だちに送信</translation>
    </message>
    <message>
        <source>Phim hay tren brisko</source>
        <translation>briskoのおすすめ映画</translation>
    </message>
</context>
<context>
    <name>SearchSubtitleOnline</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Tìm</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Tải về</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Nhập từ khóa</source>
        <translation>キーワード</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Tìm phụ đề trực tuyến&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;オンラインで字幕を検索&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Tên phim</source>
        <translation>映画名</translation>
    </message>
    <message>
        <source>Người upload</source>
        <translation>アップロード者</translation>
    </message>
    <message>
        <source>Ngôn ngữ</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Thông báo</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>Đang tải dữ liệu, bạn vui lòng đợi</source>
        <translation>データを読み込んでいます。お待ちください</translation>
    </message>
    <message>
        <source>Bạn vui lòng nhập từ khóa để tìm phụ đề.</source>
        <translation>字幕を検索するキーワードを入力してください。</translation>
    </message>
    <message>
        <source>Không tìm thấy phụ đề theo yêu cầu tìm kiếm của bạn</source>
        <translation>検索条件に一致する字幕が見つかりません</translation>
    </message>
    <message>
        <source>Chọn thư mục chứa tập tin phụ đề</source>
        <translation>字幕ファイルの保存先フォルダーを選択</translation>
    </message>
    <message>
        <source>Bạn vui lòng chọn một tập tin phụ đề</source>
        <translation>字幕ファイルを選択してください</translation>
    </message>
    <message>
        <source>Lỗi</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Không đổi được tên tập tin phụ đề theo tập tin video</source>
        <translation>字幕ファイルの名前を動画ファイルに合わせて変更できませんでした</translation>
    </message>
    <message>
        <source>Không tồn tại tập tin phụ đề, vui lòng chọn tải tập tin phụ đề khác</source>
        <translation>字幕ファイルが存在しません。別の字幕を選んでダウンロードしてください</translation>
    </message>
    <message>
        <source>Không tải được dữ liệu từ trang phụ đề, vui lòng thử lại sau.</source>
        <translation>字幕サイトからデータを読み込めませんでした。しばらくしてからもう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>Search_subtitles</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Tên tập tin video:</source>
        <translation>動画ファイル名:</translation>
    </message>
    <message>
        <source>Tìm trực tuyến ...</source>
        <translation>オンラインで検索 ...</translation>
    </message>
    <message>
        <source>Đường dẫn tới tập tin phụ đề:</source>
        <translation>字幕ファイルのパス:</translation>
    </message>
    <message>
        <source>Chọn</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Phụ đề cho video&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;動画の字幕&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Chọn tập tin phụ đề</source>
        <translation>字幕ファイルを選択</translation>
    </message>
    <message>
        <source>Lỗi</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Bạn vui lòng chọn đường dẫn tới tập tin phụ đề</source>
        <translation>字幕ファイルのパスを選択してください</translation>
    </message>
    <message>
        <source>Tập tin phụ đề không tồn tại</source>
        <translation>字幕ファイルが存在しません</translation>
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
    <name>TableUploadModel</name>
    <message>
        <source>Queued</source>
        <translation>待機中</translation>
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
    <message>
        <source>Máy chủ liên tục từ chối vị trí tải lên. Vui lòng thử lại sau.</source>
        <translation>サービスがアップロード先を拒否し続けました。しばらくしてからもう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>dialogabout</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Phiên bản:</source>
        <translation>バージョン：</translation>
    </message>
    <message>
        <source>Ngày ra mắt:</source>
        <translation>リリース日：</translation>
    </message>
    <message>
        <source>Bản quyền thuộc:</source>
        <translation>著作権者：</translation>
    </message>
    <message>
        <source>Liên hệ:</source>
        <translation>お問い合わせ：</translation>
    </message>
</context>
<context>
    <name>dialogoption_formconnect</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Không qua proxy</source>
        <translation>プロキシを使用しない</translation>
    </message>
    <message>
        <source>Tự động phát hiện proxy (dựa vào trình duyệt IE)</source>
        <translation>システムのプロキシを使用する（http_proxy）</translation>
    </message>
    <message>
        <source>Sử dụng proxy</source>
        <translation>次のプロキシを使用する</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>HTTP プロキシ</translation>
    </message>
    <message>
        <source>Cổng</source>
        <translation>ポート</translation>
    </message>
</context>
<context>
    <name>dialogoption_formdownload</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Số lượng tập tin cho mỗi lần tải xuống</source>
        <translation>同時にダウンロードするファイル数</translation>
    </message>
    <message>
        <source>Số lần thử lại khi thất bại</source>
        <translation>失敗時の再試行回数</translation>
    </message>
    <message>
        <source>Giới hạn tốc độ tải xuống</source>
        <translation>ダウンロード速度を制限する</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Tự động tải xuống sau khi đăng nhập</source>
        <translation>ログイン後に自動的にダウンロードする</translation>
    </message>
    <message>
        <source>Tắt máy sau khi tải xuống xong</source>
        <translation>ダウンロード完了後にコンピューターをシャットダウンする</translation>
    </message>
    <message>
        <source>Thư mục tải xuống mặc định</source>
        <translation>既定のダウンロードフォルダー</translation>
    </message>
    <message>
        <source>Chọn</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Tự động lấy đường dẫn download của Brisko trong trình duyệt</source>
        <translation>ブラウザーの Brisko ダウンロードリンクを自動的に取り込む</translation>
    </message>
    <message>
        <source>Google Chrome</source>
        <translation>Google Chrome</translation>
    </message>
    <message>
        <source>Mozilla Firefox</source>
        <translation>Mozilla Firefox</translation>
    </message>
    <message>
        <source>Internet Explorer</source>
        <translation>Internet Explorer</translation>
    </message>
    <message>
        <source>Chọn thư mục</source>
        <translation>フォルダーを選択</translation>
    </message>
</context>
<context>
    <name>dialogoption_formgeneral</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Ngôn ngữ mặc định :</source>
        <translation>言語：</translation>
    </message>
    <message>
        <source>Tự khởi động chương trình</source>
        <translation>ログイン時にプログラムを起動する</translation>
    </message>
    <message>
        <source>Ẩn chương trình xuống khay hệ thống khi minimized</source>
        <translation>最小化したらシステムトレイに格納する</translation>
    </message>
    <message>
        <source>Luôn hiện cửa sồ chương trình ở trên cùng</source>
        <translation>プログラムのウィンドウを常に最前面に表示する</translation>
    </message>
    <message>
        <source>Ghi nhớ tài khoản</source>
        <translation>アカウントを記憶する</translation>
    </message>
    <message>
        <source>Tự động đăng nhập</source>
        <translation>自動的にログインする</translation>
    </message>
    <message>
        <source>Tiếng Việt</source>
        <translation>ベトナム語</translation>
    </message>
</context>
<context>
    <name>dialogoption_formupload</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Số lượng tập tin cho mỗi lần tải lên</source>
        <translation>同時にアップロードするファイル数</translation>
    </message>
    <message>
        <source>Số lần thử lại khi thất bại</source>
        <translation>失敗時の再試行回数</translation>
    </message>
    <message>
        <source>Giới hạn tốc độ tải lên</source>
        <translation>アップロード速度を制限する</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Tự động tải lên sau khi đăng nhập</source>
        <translation>ログイン後に自動的にアップロードする</translation>
    </message>
    <message>
        <source>Tắt máy sau khi tải lên xong</source>
        <translation>アップロード完了後にコンピューターをシャットダウンする</translation>
    </message>
    <message>
        <source>Thư mục tải lên mặc định</source>
        <translation>既定のアップロードフォルダー</translation>
    </message>
    <message>
        <source>Chọn</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Chọn thư mục</source>
        <translation>フォルダーを選択</translation>
    </message>
</context>
<context>
    <name>formChangeFilePassword</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Tạo mật khẩu cho tập tin&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;ファイルのパスワードを設定&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>&lt;h3&gt;&lt;font color=&quot;blue&quot;&gt;Bạn có muốn tạo mật khẩu cho tập tin ?&lt;/font&gt;&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;&lt;font color=&quot;blue&quot;&gt;ファイルにパスワードを設定しますか？&lt;/font&gt;&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>Mật khẩu</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Xóa mật khẩu</source>
        <translation>パスワードを削除</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>読み込み中....</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Thay đổi mật khẩu của tập tin&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;ファイルのパスワードを変更&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;&lt;font color=&quot;blue&quot;&gt;Bạn có muốn thay đổi mật khẩu cho tập tin ?&lt;/font&gt;&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;&lt;font color=&quot;blue&quot;&gt;ファイルのパスワードを変更しますか？&lt;/font&gt;&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;red&quot;&gt;Độ dài mật khẩu ít nhất 6 ký tự.&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;red&quot;&gt;パスワードは 6 文字以上にしてください。&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Lỗi </source>
        <translation>エラー </translation>
    </message>
    <message>
        <source>&lt;font color=&quot;red&quot;&gt;Mức bảo mật yếu&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;red&quot;&gt;強度: 弱&lt;/font&gt;</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;red&quot;&gt;Mật khẩu đơn giản&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;red&quot;&gt;単純すぎるパスワード&lt;/font&gt;</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#A56F09&quot;&gt;Mức bảo mật trung bình&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#A56F09&quot;&gt;強度: 中&lt;/font&gt;</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;Green&quot;&gt;Mức bảo mật cao&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;Green&quot;&gt;強度: 高&lt;/font&gt;</translation>
    </message>
</context>
<context>
    <name>popup_inputPassword</name>
    <message>
        <source>Mật khẩu File</source>
        <translation>ファイルのパスワード</translation>
    </message>
    <message>
        <source>Mật khẩu</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>ファイルサイズ</translation>
    </message>
    <message>
        <source>Tên File</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Nhập mật khẩu file %1</source>
        <translation>ファイル %1 のパスワードを入力</translation>
    </message>
</context>
<context>
    <name>setFolderSaveSubtitle</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Thư mục tải xuống</source>
        <translation>ダウンロードフォルダー</translation>
    </message>
    <message>
        <source>Chọn</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Chọn đường dẫn để lưu tập tin phụ đề tải xuống</source>
        <translation>ダウンロードした字幕ファイルの保存先を選択</translation>
    </message>
    <message>
        <source>Thông báo</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>Bạn vui lòng chọn đường dẫn để lưu tập tin phụ đề tải xuống</source>
        <translation>ダウンロードした字幕ファイルの保存先を選択してください</translation>
    </message>
</context>
</TS>
