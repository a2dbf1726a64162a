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
        <source>Vui lòng kiểm tra lại đường dẫn </source>
        <translation>リンクをもう一度確認してください </translation>
    </message>
    <message>
        <source>tập tin rỗng</source>
        <translation>空のファイル</translation>
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
        <translation>パス</translation>
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
        <translation>オンラインで見る</translation>
    </message>
    <message>
        <source>Download zip file</source>
        <translation>zip ファイルでダウンロード</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Tải xuống&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color="white"&gt;&lt;h2&gt;&lt;b&gt;ダウンロード&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
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
    <name>FormDownload</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Tập tin đã tải</source>
        <translation>ダウンロード済みのファイル</translation>
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
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Tiến trình tải xuống</source>
        <translation>ダウンロードの進行状況</translation>
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
</context>
<context>
    <name>LoginForm</name>
    <message>
        <source>Đăng nhập</source>
        <translation>ログイン</translation>
    </message>
    <message>
        <source>Thoát</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Email hoặc số điện thoại</source>
        <translation>メールアドレスまたは電話番号</translation>
    </message>
    <message>
        <source>Mật khẩu</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Đang kiểm tra phiên bản mới...</source>
        <translation>新しいバージョンを確認しています...</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Liên kết và tập tin nhận được:</source>
        <translation>受け取ったリンクとファイル:</translation>
    </message>
    <message>
        <source>Tài khoản: %1</source>
        <translation>アカウント: %1</translation>
    </message>
    <message>
        <source>Tải về: %1</source>
        <translation>ダウンロード: %1</translation>
    </message>
    <message>
        <source>Tải lên: %1</source>
        <translation>アップロード: %1</translation>
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
        <translation>会員種別にこの機能を実行する権限がありません</translation>
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
        <translation>ユーザーが存在しません</translation>
    </message>
    <message>
        <source>Gửi mail không thành công</source>
        <translation>メールを送信できませんでした</translation>
    </message>
    <message>
        <source>Thao tác đổi tên thành công, nhưng bị thay đổi nội dung</source>
        <translation>名前を変更しましたが、名前の内容が調整されました</translation>
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
        <translation>存在しません!</translation>
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
    <name>UpdateHelper</name>
    <message>
        <source>Brisko Tool của bạn đã được cập nhật thành công</source>
        <translation>Brisko Tool は正常に更新されました</translation>
    </message>
    <message>
        <source>Quá trình cập nhật bị lỗi. Thử lại lần nữa?</source>
        <translation>アップデートに失敗しました。もう一度試しますか?</translation>
    </message>
    <message>
        <source>Phiên bản Brisko Tool của bạn quá cũ.&lt;br&gt;Vui lòng tải phiên bản mới tại %1</source>
        <translation>お使いの Brisko Tool のバージョンは古すぎます。&lt;br&gt;新しいバージョンを %1 からダウンロードしてください</translation>
    </message>
    <message>
        <source>Brisko Tool đã có phiên bản %1.
Bạn có muốn tải &amp; cập nhật ngay không?</source>
        <translation>Brisko Tool のバージョン %1 が公開されています。
今すぐダウンロードして更新しますか?</translation>
    </message>
    <message>
        <source>Phiên bản Brisko Tool của bạn quá cũ.&lt;br&gt;Chọn &lt;b&gt;Ok&lt;/b&gt; để cập nhật lên phiên bản %1.</source>
        <translation>お使いの Brisko Tool のバージョンは古すぎます。&lt;br&gt;&lt;b&gt;Ok&lt;/b&gt; を選ぶとバージョン %1 に更新します。</translation>
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
</TS>
